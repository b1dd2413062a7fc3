#!/bin/sh
# The program killed at random moments (SIGKILL after a random delay, many
# rounds), embedded and packed: after each kill every file of the folder is
# either as it was or complete (the folder writes through a temporary file and
# a rename), and the next whole run leaves no temporary file behind.
# Usage: uccisioni.sh PROGRAM SCENARIO [ROUNDS]
set -eu
programma=$1
scenario=$2
giri=${3:-40}
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

fallisci() { echo "uccisioni: $*" >&2; exit 1; }
adesso() { date +%s%N; }

"$scenario" extract "$lavoro/sorgenti" 2>/dev/null
"$scenario" pack "$lavoro/sorgenti" Velstra_Ordoven 318 --out "$lavoro/programma_impacchettato" 2>/dev/null
sorgenti="Velstra_Ordoven_linea.txt Velstra_Ordoven_318-.txt"

# Every file of dir is a complete one (equal to its file in rif, or to the
# source as written), a temporary file a kill left, or the program.
verifica_cartella() {
  dir=$1
  for f in $(ls "$dir"); do
    case $f in
      Velstra_Ordoven_318) ;;
      *.tmp~)
        if [ "${2:-}" = finale ]; then fallisci "$dir: $f rimasto dopo una corsa intera"; fi
        echo "$f" >>"$lavoro/temporanei" ;;
      Velstra_Ordoven_linea.txt | Velstra_Ordoven_318-.txt)
        cmp -s "$dir/$f" "$lavoro/sorgenti/$f" || fallisci "$dir: sorgente $f incompleto" ;;
      *)
        [ -f "$lavoro/rif/$f" ] || fallisci "$dir: file inatteso $f"
        cmp -s "$dir/$f" "$lavoro/rif/$f" || fallisci "$dir: $f incompleto" ;;
    esac
  done
}

interrotte=0
for genere in incorporato impacchettato; do
  if [ $genere = incorporato ]; then eseguibile=$programma; else eseguibile=$lavoro/programma_impacchettato; fi
  # The files of a whole run, and how long it takes.
  rm -rf "$lavoro/rif" && mkdir "$lavoro/rif"
  cp "$eseguibile" "$lavoro/rif/Velstra_Ordoven_318"
  inizio=$(adesso)
  (cd "$lavoro/rif" && ./Velstra_Ordoven_318 >/dev/null) || fallisci "$genere: la corsa intera e' fallita"
  durata=$((($(adesso) - inizio) / 1000))  # microseconds
  dir=$lavoro/$genere
  mkdir "$dir"
  cp "$eseguibile" "$dir/Velstra_Ordoven_318"
  for giro in $(seq "$giri"); do
    attesa=$(awk -v s="$giro" -v d="$durata" 'BEGIN { srand(s * 7919 + d); printf "%.6f", rand() * d * 1.3 / 1000000 }')
    (cd "$dir" && exec ./Velstra_Ordoven_318 >/dev/null 2>&1) &
    pid=$!
    sleep "$attesa"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    verifica_cartella "$dir"
    if [ -f "$dir/Velstra_Ordoven_linea.txt" ] || [ -f "$dir/Velstra_Ordoven_318-.txt" ]; then
      interrotte=$((interrotte + 1))
    fi
    # Now and then a whole run in between: it cleans what the kills left.
    if [ $((giro % 10)) -eq 0 ]; then
      (cd "$dir" && ./Velstra_Ordoven_318 >/dev/null) || fallisci "$genere: la corsa dopo le uccisioni e' fallita"
      verifica_cartella "$dir" finale
    fi
  done
  (cd "$dir" && ./Velstra_Ordoven_318 >/dev/null) || fallisci "$genere: la corsa dopo le uccisioni e' fallita"
  verifica_cartella "$dir" finale
  [ "$(ls "$dir" | wc -l)" -eq 7 ] || fallisci "$genere: nella cartella $(ls "$dir" | tr '\n' ' ')"
  for s in $sorgenti; do [ ! -f "$dir/$s" ] || fallisci "$genere: il sorgente $s e' rimasto"; done
done
# The delays must have stopped some runs part way, or nothing was tested.
[ "$interrotte" -gt 0 ] || fallisci "nessuna corsa interrotta a meta': attese troppo lunghe"
echo "uccisioni: ok, $interrotte corse interrotte con i sorgenti ancora scritti," \
  "$(cat "$lavoro/temporanei" 2>/dev/null | wc -l) file temporanei lasciati e poi tolti"
