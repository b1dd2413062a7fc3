#!/usr/bin/env bash
# The Windows programs under Wine, beside the Linux ones. Cross-builds them
# (make windows), then in a fresh Wine prefix under Xvfb:
#   1. they import no DLL beyond the system's;
#   2. Velstra_Ordoven_318.exe writes the same six files as the Linux program,
#      byte for byte, in an ASCII folder and in a non-ASCII one (there over
#      longer files of an earlier run), and leaves no source file; a file that
#      cannot be replaced is named in its message box and the run ends with 3;
#   3. scenario.exe extracts and compiles the same bytes and JSON as the Linux
#      tool, and reports a faulty source at the same file, line and column;
#      every command agrees with the Linux tool;
#   4. Form1 (caption, client size, the label on screen; at 96 and 144 dpi)
#      and the box of errore for 1250 (title, text, one OK, no icon), closed
#      with OK, then the end.
# The non-ASCII names hold a letter (Σ) outside Wine's ANSI code page 1252: a
# path or a word of the command line passed through narrow text would fail.
# Installs nothing: needs g++-mingw-w64-x86-64 wine64 xvfb xdotool imagemagick
# x11-utils zip, and the Linux programs built in build/ (they are built if not).
set -uo pipefail
cd "$(dirname "$0")/../.."
radice=$PWD

# Everything below runs inside one X server of its own.
if [ -z "${VELSTRA_DENTRO_XVFB:-}" ]; then
  export VELSTRA_DENTRO_XVFB=1
  exec timeout 900 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

falliti=0
passati=0
pass() { echo "PASS: $*"; passati=$((passati + 1)); }
sezione() { echo "== $* (at ${SECONDS}s)"; }
fail() { echo "FAIL: $*"; falliti=$((falliti + 1)); }
fine() {
  echo "== done in ${SECONDS}s"
  echo "windows: $passati passed, $falliti failed"
  [ "$falliti" -eq 0 ]
  exit $?
}

for comando in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-objdump wine wineboot wineserver xdotool xwininfo import convert zip cmp; do
  command -v "$comando" >/dev/null || { fail "missing tool: $comando"; fine; }
done

sezione "build"
make windows WINDOWS_CMAKE_FLAGS=-DVELSTRA_WERROR=ON >/dev/null || { fail "make windows"; fine; }
[ -f dist-windows/Velstra_Ordoven_318_windows.zip ] && pass "dist-windows holds the zip" || fail "no zip in dist-windows"
# The build's own type when it has one (CI's Release): no second build of the programs.
cmake -S . -B build >/dev/null &&
  cmake --build build -j 2 --target Velstra_Ordoven_318 scenario >/dev/null || { fail "Linux programs"; fine; }
win=$radice/build-windows
linux=$radice/build

lavoro=$(mktemp -d)
prove=$win/prove  # screenshots, kept for a person to look at
rm -rf "$prove" && mkdir -p "$prove"
export WINEPREFIX=$lavoro/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
pulizia() {
  wineserver -k >/dev/null 2>&1
  rm -rf "$lavoro"
}
trap pulizia EXIT

sezione "static programs"
for exe in dist-windows/Velstra_Ordoven_318.exe dist-windows/scenario.exe; do
  dll=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  estranee=$(echo "$dll" | grep -v -x -E 'kernel32\.dll|user32\.dll|gdi32\.dll|shell32\.dll|advapi32\.dll|msvcrt\.dll|ucrtbase\.dll|api-ms-win-crt-.*\.dll' || true)
  if [ -n "$dll" ] && [ -z "$estranee" ]; then pass "$(basename "$exe") imports only system DLLs: $(echo $dll)"
  else fail "$(basename "$exe") imports $(echo $estranee)"; fi
done
sottosistema() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem.*(\(.*\))$/\1/p'; }
[ "$(sottosistema dist-windows/Velstra_Ordoven_318.exe)" = "Windows GUI" ] &&
  pass "Velstra_Ordoven_318.exe is a window program" || fail "Velstra_Ordoven_318.exe is not a window program"
[ "$(sottosistema dist-windows/scenario.exe)" = "Windows CUI" ] &&
  pass "scenario.exe is a console program" || fail "scenario.exe is not a console program"

sezione "wine prefix"
timeout 180 wineboot -i >/dev/null 2>&1 || { fail "wineboot"; fine; }

finali=(Velstra_Ordoven_318_note.txt Velstra_Ordoven_318_rallentamenti.txt Velstra_Ordoven_318_scheda_treno.txt
  Velstra_Ordoven_linea.dat Velstra_Ordoven_318.sim Velstra_Ordoven_318.dat)

# The files of a folder but the programs, sorted, on one line.
contenuto() { (cd "$1" && ls -A | grep -v -E '\.exe$|^Velstra_Ordoven_318$' | sort | tr '\n' ' '); }
atteso=$(printf '%s\n' "${finali[@]}" | sort | tr '\n' ' ')

# Waits until ispeziona_finestra finds a window of that title; its report on stdout.
aspetta_finestra() {
  local titolo=$1 cartella=$2 k
  for k in $(seq 1 60); do
    if (cd "$cartella" && timeout 20 wine ./ispeziona_finestra.exe "$titolo" 2>/dev/null | tr -d '\r') >"$lavoro/rapporto"; then
      cat "$lavoro/rapporto"
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# Presses OK in the box of that title: Return to the focused box, then a click
# on the OK button where the key was not taken. Returns once pid has ended.
premi_ok() {
  local titolo=$1 pid=$2 cartella=$3 k id
  for k in 1 2 3 4 5 6; do
    kill -0 "$pid" 2>/dev/null || return 0
    id=$(xdotool search --name "^${titolo}\$" 2>/dev/null | head -1)
    if [ -n "$id" ]; then
      if [ "$k" -le 3 ]; then
        xdotool windowfocus --sync "$id" key Return 2>/dev/null
      else
        local ok
        ok=$(aspetta_finestra "$titolo" "$cartella" | sed -n 's/^control visible Button text "OK" at \([0-9]*\) \([0-9]*\) size \([0-9]*\) \([0-9]*\)$/\1 \2 \3 \4/p')
        [ -n "$ok" ] && set -- "$titolo" "$pid" "$cartella" $ok &&
          xdotool mousemove --window "$id" $(($4 + $6 / 2)) $(($5 + $7 / 2)) click 1 2>/dev/null
      fi
    fi
    for _ in 1 2 3 4; do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.5; done
  done
  ! kill -0 "$pid" 2>/dev/null
}

sezione "the program: the same six files as on Linux"
mkdir -p "$lavoro/linux"
cp "$linux/Velstra_Ordoven_318" "$lavoro/linux/"
(cd / && "$lavoro/linux/Velstra_Ordoven_318" >/dev/null) || fail "the Linux program failed"

documenti=(Velstra_Ordoven_318_note.txt Velstra_Ordoven_318_rallentamenti.txt Velstra_Ordoven_318_scheda_treno.txt)
for nome in "Scenari" "Niccolò Scenari àèìòù Σ"; do
  cartella=$lavoro/$nome
  mkdir -p "$cartella"
  cp dist-windows/Velstra_Ordoven_318.exe "$cartella/"
  atteso_qui=$atteso
  if [ "$nome" = "Scenari" ]; then
    (cd "$cartella" && timeout 120 wine ./Velstra_Ordoven_318.exe >/dev/null 2>&1)
    esito=$?
  else
    # An earlier run's files, longer than the new ones, are replaced whole;
    # the documents among them, which a player may have edited, are kept
    # first as NAME.bak and the box says so.
    for f in "${finali[@]}"; do head -c 7000000 /dev/zero | tr '\0' 'x' >"$cartella/$f"; done
    cp "$win/ispeziona_finestra.exe" "$cartella/"
    (cd "$cartella" && exec timeout 120 wine ./Velstra_Ordoven_318.exe >/dev/null 2>&1) &
    pid=$!
    if rapporto=$(aspetta_finestra Velstra_Ordoven_318 "$cartella"); then
      echo "$rapporto" | grep -q 'Velstra_Ordoven_318_scheda_treno.txt era già nella cartella con un altro contenuto: conservato come Velstra_Ordoven_318_scheda_treno.txt.bak' &&
        pass "'$nome': the box names the documents kept as .bak" || fail "'$nome': the box says: $rapporto"
      premi_ok Velstra_Ordoven_318 $pid "$cartella" || fail "the box did not close"
    else
      fail "'$nome': no box for the documents kept as .bak"
    fi
    wait $pid
    esito=$?
    rm -f "$cartella/ispeziona_finestra.exe"
    for f in "${documenti[@]}"; do
      [ "$(head -c 7000000 /dev/zero | tr '\0' 'x' | cmp -s - "$cartella/$f.bak" && echo uguale)" = uguale ] ||
        fail "'$nome': $f.bak is not the earlier file"
    done
    atteso_qui=$( (printf '%s\n' "${finali[@]}"; printf '%s.bak\n' "${documenti[@]}") | sort | tr '\n' ' ')
  fi
  [ "$esito" -eq 0 ] && pass "run in '$nome' ends with 0" || fail "run in '$nome' ends with $esito"
  presenti=$(contenuto "$cartella")
  [ "$presenti" = "$atteso_qui" ] && pass "'$nome' holds exactly the six files (and the kept documents), no source file" ||
    fail "'$nome' holds: $presenti"
  for f in "${finali[@]}"; do
    cmp -s "$lavoro/linux/$f" "$cartella/$f" && pass "'$nome'/$f same bytes as Linux" || fail "'$nome'/$f differs from Linux"
  done
done

sezione "the program: a file that cannot be replaced"
cartella="$lavoro/Niccolò bloccato Σ"
mkdir -p "$cartella/Velstra_Ordoven_318_note.txt"
echo keep >"$cartella/Velstra_Ordoven_318_note.txt/dentro"
cp dist-windows/Velstra_Ordoven_318.exe "$win/ispeziona_finestra.exe" "$cartella/"
(cd "$cartella" && exec timeout 120 wine ./Velstra_Ordoven_318.exe >/dev/null 2>&1) &
pid=$!
if rapporto=$(aspetta_finestra Velstra_Ordoven_318 "$cartella"); then
  echo "$rapporto" | grep -q '^control visible Static text ".*Niccolò bloccato Σ.Velstra_Ordoven_318_note\.txt: impossibile sostituire' &&
    pass "the box names the file that cannot be replaced" || fail "the box says: $rapporto"
  premi_ok Velstra_Ordoven_318 $pid "$cartella" || fail "the box did not close"
else
  fail "no box for a file that cannot be replaced"
fi
wait $pid
esito=$?
[ "$esito" -eq 3 ] && pass "a file that cannot be replaced ends the run with 3" || fail "it ended with $esito"
[ "$(cat "$cartella/Velstra_Ordoven_318_note.txt/dentro")" = keep ] && pass "the folder in the way is untouched" ||
  fail "the folder in the way was changed"

sezione "scenario.exe: the same bytes as the Linux tool"
base="$lavoro/Autori Niccolò"
mkdir -p "$base/linux/Sorgenti Niccolò Σ" "$base/windows/Sorgenti Niccolò Σ"
cp dist-windows/scenario.exe "$base/windows/"
tool_linux() { (cd "$base/linux" && "$linux/scenario" "$@"); }
tool_windows() { (cd "$base/windows" && timeout 60 wine ./scenario.exe "$@"); }

tool_linux extract "Sorgenti Niccolò Σ" >/dev/null 2>&1
tool_windows extract "Sorgenti Niccolò Σ" >/dev/null 2>&1 && pass "scenario.exe extract into 'Sorgenti Niccolò Σ'" ||
  fail "scenario.exe extract"
for f in $(cd "$base/linux/Sorgenti Niccolò Σ" && ls); do
  cmp -s "$base/linux/Sorgenti Niccolò Σ/$f" "$base/windows/Sorgenti Niccolò Σ/$f" && pass "extract: $f same bytes" ||
    fail "extract: $f differs"
done
[ "$(ls "$base/linux/Sorgenti Niccolò Σ" | wc -l)" -eq 6 ] || fail "the Linux tool extracted no six files"

tool_linux compile --json "Sorgenti Niccolò Σ" Velstra_Ordoven 318 >"$lavoro/json_linux" 2>/dev/null
esito_linux=$?
tool_windows compile --json "Sorgenti Niccolò Σ" Velstra_Ordoven 318 2>/dev/null | tr -d '\r' >"$lavoro/json_windows"
esito_windows=${PIPESTATUS[0]}
[ "$esito_linux" -eq 0 ] && [ "$esito_windows" -eq 0 ] && pass "compile ends with 0 on both" ||
  fail "compile ends with $esito_linux (Linux) and $esito_windows (Windows)"
cmp -s "$lavoro/json_linux" "$lavoro/json_windows" && pass "compile --json: the same JSON" ||
  fail "compile --json differs: $(diff "$lavoro/json_linux" "$lavoro/json_windows" | head -5)"
for f in Velstra_Ordoven_linea.dat Velstra_Ordoven_318.sim Velstra_Ordoven_318.dat; do
  [ -s "$base/linux/Sorgenti Niccolò Σ/$f" ] && cmp -s "$base/linux/Sorgenti Niccolò Σ/$f" "$base/windows/Sorgenti Niccolò Σ/$f" &&
    cmp -s "$lavoro/linux/$f" "$base/windows/Sorgenti Niccolò Σ/$f" &&
    pass "compile: $f same bytes as the Linux tool and program" || fail "compile: $f differs"
done

# A faulty source: the first signal twice, so the second falls on a taken cell.
for lato in linux windows; do
  mkdir -p "$base/$lato/Guasto"
  cp "$base/linux/Sorgenti Niccolò Σ/Velstra_Ordoven_linea.txt" "$base/$lato/Guasto/"
  awk '{ print } /^segnale,/ && !doppio { print; doppio = 1 }' "$base/linux/Sorgenti Niccolò Σ/Velstra_Ordoven_318-.txt" \
    >"$base/$lato/Guasto/Velstra_Ordoven_318-.txt"
done
tool_linux compile Guasto Velstra_Ordoven 318 >/dev/null 2>"$lavoro/errore_linux"
esito_linux=$?
tool_windows compile Guasto Velstra_Ordoven 318 2>&1 >/dev/null | tr -d '\r' >"$lavoro/errore_windows"
esito_windows=${PIPESTATUS[0]}
[ "$esito_linux" -eq 1 ] && [ "$esito_windows" -eq 1 ] && pass "a faulty source ends compile with 1 on both" ||
  fail "a faulty source ends with $esito_linux (Linux) and $esito_windows (Windows)"
grep -q '^Velstra_Ordoven_318-\.txt:[0-9]*:[0-9]*: Errore n\. 16' "$lavoro/errore_linux" ||
  fail "the Linux tool did not report error 16 at a place: $(head -1 "$lavoro/errore_linux")"
cmp -s "$lavoro/errore_linux" "$lavoro/errore_windows" &&
  pass "a faulty source: the same error, file, line and column ($(head -1 "$lavoro/errore_windows" | cut -d: -f1-3))" ||
  fail "the faulty source's report differs: $(diff "$lavoro/errore_linux" "$lavoro/errore_windows" | head -5)"
tool_linux compile --json Guasto Velstra_Ordoven 318 >"$lavoro/json_linux" 2>/dev/null
tool_windows compile --json Guasto Velstra_Ordoven 318 2>/dev/null | tr -d '\r' >"$lavoro/json_windows"
grep -q '"numero_errore": 16' "$lavoro/json_linux" && cmp -s "$lavoro/json_linux" "$lavoro/json_windows" &&
  pass "a faulty source: the same JSON" || fail "a faulty source's JSON differs: $(cat "$lavoro/json_windows")"

# The other commands against the Linux tool: stdout, stderr and exit status.
confronta() {
  local cosa=$1 el ew
  shift
  tool_linux "$@" >"$lavoro/out_linux" 2>"$lavoro/err_linux"
  el=$?
  tool_windows "$@" >"$lavoro/out_windows" 2>"$lavoro/err_windows"
  ew=$?
  tr -d '\r' <"$lavoro/out_windows" >"$lavoro/out_windows_lf"
  tr -d '\r' <"$lavoro/err_windows" >"$lavoro/err_windows_lf"
  if [ "$el" -eq "$ew" ] && cmp -s "$lavoro/out_linux" "$lavoro/out_windows_lf" && cmp -s "$lavoro/err_linux" "$lavoro/err_windows_lf"; then
    pass "$cosa: the same output and exit status ($el) as the Linux tool"
  else
    fail "$cosa: exit $el (Linux) and $ew (Windows); $(diff "$lavoro/err_linux" "$lavoro/err_windows_lf" | head -3)"
  fi
}
confronta "check on the faulty source" check Guasto Velstra_Ordoven 318
confronta "inspect --json --csv-plan" inspect "Sorgenti Niccolò Σ" Velstra_Ordoven 318 --json --csv-plan "Sorgenti Niccolò Σ/piano è Σ.csv"
confronta "plot" plot "Sorgenti Niccolò Σ" Velstra_Ordoven 318 --out "Sorgenti Niccolò Σ/disegno è Σ.svg"
confronta "a missing non-ASCII folder" extract "Manca Niccolò Σ"
tool_windows extract "Nuova Niccolò Σ/più giù" >/dev/null 2>&1
[ "$(ls "$base/windows/Nuova Niccolò Σ/più giù" 2>/dev/null | wc -l)" -eq 6 ] &&
  pass "scenario.exe makes a missing non-ASCII folder and writes the six files there" ||
  fail "scenario.exe extract did not make 'Nuova Niccolò Σ/più giù'"
for f in "piano è Σ.csv" "disegno è Σ.svg"; do
  [ -s "$base/linux/Sorgenti Niccolò Σ/$f" ] && cmp -s "$base/linux/Sorgenti Niccolò Σ/$f" "$base/windows/Sorgenti Niccolò Σ/$f" &&
    pass "'$f' same bytes as the Linux tool" || fail "'$f' differs or is missing"
done

# Form1 and the box at one screen dpi: W H the client area, then the label's
# left, top, width and height, all in pixels (4200 x 2688 and 960, 960, 2652,
# 792 twips at that dpi).
prova_finestra() {
  local dpi=$1 w=$2 h=$3 lx=$4 ly=$5 lw=$6 lh=$7 cartella=$lavoro/finestra_$1 pid rapporto id esito
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  mkdir -p "$cartella"
  cp "$win/finestra_di_prova.exe" "$win/ispeziona_finestra.exe" "$cartella/"
  (cd "$cartella" && exec timeout 120 wine ./finestra_di_prova.exe >/dev/null 2>&1) &
  pid=$!
  if rapporto=$(aspetta_finestra Form1 "$cartella"); then
    pass "$dpi dpi: a window with caption Form1 is up"
    echo "$rapporto" | grep -q "^client $w $h\$" && pass "$dpi dpi: Form1's client area is $w by $h" ||
      fail "$dpi dpi: Form1: $(echo "$rapporto" | head -1)"
    [ "$(echo "$rapporto" | grep -c '^control')" -eq 1 ] &&
      echo "$rapporto" | grep -q "^control visible Static text \"Attendere\" at $lx $ly size $lw $lh\$" &&
      pass "$dpi dpi: Label1 \"Attendere\" is the one control, at $lx,$ly size ${lw}x$lh" ||
      fail "$dpi dpi: Form1's controls: $rapporto"
    # Wine leaves the frame to a window manager and there is none here: the X
    # window of Form1 is its client area.
    id=$(xdotool search --name '^Form1$' | head -1)
    geometria=$(xwininfo -id "$id" | sed -n 's/^ *\(Width\|Height\): //p' | tr '\n' ' ')
    [ "$geometria" = "$w $h " ] && pass "$dpi dpi: on screen Form1 is $w by $h" ||
      fail "$dpi dpi: on screen Form1 is $geometria"
    local png=$prove/form1_${dpi}dpi.png dentro fuori
    import -window "$id" "$png"
    # The label is there: dark pixels inside its rectangle, none outside it.
    dentro=$(convert "$png" -crop "${lw}x$lh+$lx+$ly" -colorspace gray -threshold 50% -negate -format '%[fx:mean]' info:)
    fuori=$(convert "$png" -fill white -draw "rectangle $lx,$ly $((lx + lw - 1)),$((ly + lh - 1))" -colorspace gray \
      -threshold 50% -negate -format '%[fx:mean]' info:)
    awk -v d="$dentro" -v f="$fuori" 'BEGIN { exit !(d > 0.05 && f < 0.001) }' &&
      pass "$dpi dpi: the screenshot shows the label in its place ($png)" ||
      fail "$dpi dpi: the screenshot: dark share $dentro in the label, $fuori outside ($png)"
  else
    fail "$dpi dpi: no window with caption Form1"
  fi
  touch "$cartella/chiudi_finestra"
  if rapporto=$(aspetta_finestra Velstra_Ordoven_318 "$cartella"); then
    pass "$dpi dpi: a box titled Velstra_Ordoven_318 is up"
    echo "$rapporto" | grep -q '^control visible Static text " Errore n\. 1250" at' &&
      pass "$dpi dpi: its text is \" Errore n. 1250\"" || fail "$dpi dpi: the box says: $rapporto"
    [ "$(echo "$rapporto" | grep -c '^control visible Button')" -eq 1 ] &&
      echo "$rapporto" | grep -q '^control visible Button text "OK"' && pass "$dpi dpi: its one button is OK" ||
      fail "$dpi dpi: the box's buttons: $rapporto"
    echo "$rapporto" | grep -q '^control visible Static icon' && fail "$dpi dpi: the box shows an icon" ||
      pass "$dpi dpi: the box shows no icon"
    id=$(xdotool search --name '^Velstra_Ordoven_318$' | head -1)
    import -window "$id" "$prove/errore_1250_${dpi}dpi.png"
    premi_ok Velstra_Ordoven_318 $pid "$cartella" && pass "$dpi dpi: OK closes the box" ||
      fail "$dpi dpi: the box did not close"
  else
    fail "$dpi dpi: no box titled Velstra_Ordoven_318"
  fi
  wait $pid
  esito=$?
  [ "$esito" -eq 0 ] && pass "$dpi dpi: the program ends once the box is closed" ||
    fail "$dpi dpi: the program ended with $esito"
}

sezione "the README's shipping commands, as written"
# make run puts the tool in dist/, make windows (done above) the Windows
# program beside it; then the README's own lines: its first extract, and every
# command of "Shipping your own scenario", run as they stand there.
readme=$lavoro/readme
mkdir -p "$readme"
tipo=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' build/CMakeCache.txt)
comandi_readme() {
  sed -n 's/^    \(dist\/scenario extract [^#]*\)#.*/\1/p' README.md | head -n 1
  sed -n '/^## Shipping your own scenario/,/^## /p' README.md | sed -n 's/^    \(dist\/scenario [^#]*\)#.*/\1/p'
}
esito_readme=0
if make run BUILD_TYPE="${tipo:-RelWithDebInfo}" >/dev/null 2>&1; then
  while read -r comando; do
    (cd "$readme" && eval "\"$radice/\"$comando" >/dev/null 2>&1) || { fail "README: $comando"; esito_readme=1; }
  done < <(comandi_readme)
else
  fail "make run"
  esito_readme=1
fi
[ "$(comandi_readme | grep -c -- '--windows')" -ge 1 ] || { fail "README: no pack --windows line found"; esito_readme=1; }
if [ $esito_readme -eq 0 ] && [ "$(sottosistema "$readme/Mio_scenario.exe")" = "Windows GUI" ] &&
  [ -x "$readme/Mio_scenario" ]; then
  pass "make run, make windows, then the README's shipping commands write a Linux and a Windows program"
else
  fail "the README's shipping commands"
fi

sezione "scenario pack --windows: the packed program"
# The Linux tool packs the Windows program found beside it.
cp "$win/Velstra_Ordoven_318.exe" "$linux/velstra_stub.exe"
cp "$win/Velstra_Ordoven_318.exe" "$base/windows/"
tool_linux pack "Sorgenti Niccolò Σ" Velstra_Ordoven 318 --out "pacchetto Σ.exe" --windows >/dev/null 2>&1 &&
  pass "the Linux tool packs the embedded sources for Windows" || fail "scenario pack --windows"
tool_windows pack "Sorgenti Niccolò Σ" Velstra_Ordoven 318 --out "pacchetto Σ.exe" >/dev/null 2>&1 &&
  cmp -s "$base/linux/pacchetto Σ.exe" "$base/windows/pacchetto Σ.exe" &&
  pass "scenario.exe pack writes the same program as the Linux tool" || fail "scenario.exe pack differs"
cartella="$lavoro/Pacchetto Niccolò Σ"
mkdir -p "$cartella"
cp "$base/linux/pacchetto Σ.exe" "$cartella/Velstra_Ordoven_318.exe"
(cd "$cartella" && timeout 120 wine ./Velstra_Ordoven_318.exe >/dev/null 2>&1)
esito=$?
[ "$esito" -eq 0 ] && pass "the packed program ends with 0" || fail "the packed program ends with $esito"
presenti=$(contenuto "$cartella")
[ "$presenti" = "$atteso" ] && pass "the packed program leaves exactly the six files" || fail "it leaves: $presenti"
for f in "${finali[@]}"; do
  cmp -s "$lavoro/linux/$f" "$cartella/$f" && pass "packed: $f same bytes as the Linux program" ||
    fail "packed: $f differs from the Linux program"
done
# One byte of the payload changed: a box that says so, 2, nothing written.
cartella="$lavoro/Pacchetto guasto Σ"
mkdir -p "$cartella"
cp "$base/linux/pacchetto Σ.exe" "$cartella/Velstra_Ordoven_318.exe"
dimensione=$(stat -c %s "$cartella/Velstra_Ordoven_318.exe")
printf 'Z' | dd of="$cartella/Velstra_Ordoven_318.exe" bs=1 seek=$((dimensione - 500)) conv=notrunc 2>/dev/null
cp "$win/ispeziona_finestra.exe" "$cartella/"
(cd "$cartella" && exec timeout 120 wine ./Velstra_Ordoven_318.exe >/dev/null 2>&1) &
pid=$!
if rapporto=$(aspetta_finestra Velstra_Ordoven_318 "$cartella"); then
  echo "$rapporto" | grep -q '^control visible Static text "Questa copia del programma è danneggiata: .*Nessun file è stato scritto' &&
    echo "$rapporto" | grep -q '^Dettagli: carico dello scenario danneggiato: ' &&
    pass "a damaged payload: the box says so" || fail "a damaged payload: the box says: $rapporto"
  premi_ok Velstra_Ordoven_318 $pid "$cartella" || fail "the box did not close"
else
  fail "a damaged payload: no box"
fi
wait $pid
esito=$?
[ "$esito" -eq 2 ] && pass "a damaged payload ends with 2" || fail "a damaged payload ends with $esito"
[ -z "$(contenuto "$cartella" | sed 's/ispeziona_finestra.exe//' | tr -d ' ')" ] &&
  pass "a damaged payload writes nothing" || fail "a damaged payload wrote: $(contenuto "$cartella")"
# An author's afternoon, packed for Windows and run under Wine.
WINE=wine sh "$radice/tests/pacchetto/pomeriggio.sh" "$linux/scenario" --windows >"$lavoro/pomeriggio" 2>&1 &&
  pass "an author's afternoon packed for Windows" || fail "an author's afternoon for Windows: $(tail -2 "$lavoro/pomeriggio")"

sezione "scenario.exe on a console: accents and widths as written"
cartella=$lavoro/console
mkdir -p "$cartella"
cp dist-windows/scenario.exe "$win/leggi_console.exe" "$cartella/"
for comando in "" check compile extract inspect plot view documents pack; do
  rm -f "$cartella/schermo.txt"
  (cd "$cartella" && exec timeout 90 wine ./leggi_console.exe schermo.txt scenario.exe $comando --help >/dev/null 2>&1) &
  pid=$!
  for _ in $(seq 1 60); do [ -s "$cartella/schermo.txt" ] && break; sleep 0.5; done
  [ "$comando" = check ] && import -window root "$prove/console_check_help.png" 2>/dev/null
  wait $pid
  atteso=$("$linux/scenario" $comando --help 2>&1)
  # The console's screen, read back as UTF-16, shows the Linux tool's UTF-8
  # text: every accent right, no line wrapped at the console's 80 columns.
  if [ "$(sed 's/ *$//' "$cartella/schermo.txt" | sed '/^$/d')" = "$(printf '%s\n' "$atteso" | sed 's/ *$//' | sed '/^$/d')" ]; then
    pass "scenario $comando --help on a console reads as on Linux"
  else
    fail "scenario $comando --help on a console: $(diff <(printf '%s\n' "$atteso" | sed '/^$/d') <(sed '/^$/d' "$cartella/schermo.txt") | head -4 | tr '\n' ' ')"
  fi
done

sezione "the window and the box"
prova_finestra 96 280 179 64 64 177 53
prova_finestra 144 420 269 96 96 265 79

fine
