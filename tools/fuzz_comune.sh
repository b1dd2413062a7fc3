# Shared by tools/fuzz.sh, tools/fuzz_campagna.sh and bench/fuzz_ritmo (sourced,
# from the repository's root): the targets and their build.

# Every target, the fast ones first. linea_lunga and accordo_esteso are the
# slower twins of linea (the plan on lines of every length) and accordo (the
# embedded 300 km scenario).
fuzz_bersagli_tutti=(compilatore linea treno decodifica carico lsp accordo allinea linea_lunga accordo_esteso)
# Inputs a second each target must reach (one process, sanitizers on); the
# slower twins have none.
declare -A fuzz_soglia=([compilatore]=1000 [linea]=4000 [treno]=1000 [decodifica]=1000 [carico]=1000
  [lsp]=1000 [accordo]=1000 [allinea]=1000)

# Builds the named targets in build-fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer).
fuzz_costruisci() {
  cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVELSTRA_FUZZ=ON -DVELSTRA_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo ${FUZZ_CMAKE_FLAGS:-} >/dev/null
  cmake --build build-fuzz -j "${JOBS:-$(nproc)}" --target $(printf 'fuzz_%s ' "$@") >/dev/null
}
