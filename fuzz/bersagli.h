#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

// The bodies of the fuzz targets, shared by the libFuzzer entry points and by
// the regression test that replays every saved input. Each returns normally
// when the invariant holds and aborts (with a message) when it does not.

// The whole compiler on a pair of source files cut from one input at the first
// NUL byte (line file before, train file after).
void bersaglio_compilatore(const std::uint8_t* dati, std::size_t n);
// The line reader alone (no train file), without the plan and then, for a
// line of at most lunghezza_estesa_con_piano metres extended (3000 m written),
// with it: the plan is a point a metre, and built for every length it took
// the target most of its time.
inline constexpr std::int32_t lunghezza_estesa_con_piano = 10000;
void bersaglio_linea(const std::uint8_t* dati, std::size_t n);
// The line reader with the plan on lines of every length, up to the 1,000,000
// m where a curve ends the reading with error 103 (fuzz_linea_lunga: slower).
void bersaglio_linea_lunga(const std::uint8_t* dati, std::size_t n);
// The train reader after a fixed valid line file.
void bersaglio_treno(const std::uint8_t* dati, std::size_t n);
// The compact-file decoders: what decodes re-encodes to the same bytes.
void bersaglio_decodifica(const std::uint8_t* dati, std::size_t n);
// The payload reader of a packed program: never reads past its bytes, and a
// payload it accepts is the one its encoder writes.
void bersaglio_carico(const std::uint8_t* dati, std::size_t n);
// The language server fed the input as a byte stream of framed messages,
// then the input as the text of an open train file with a request of each
// kind: every answer it writes is a frame of valid JSON.
// (fuzz/bersaglio_lsp.cpp: it needs the tool's library.)
void bersaglio_lsp(const std::uint8_t* dati, std::size_t n);
// The tool's readers held against the compiler: the first byte even, the
// next eight are the seed of a generated valid scenario on the short pair
// (genera_scenario_breve, scenari_generati.h); odd, the rest is a pair of
// sources cut at the first NUL, when their line is at most
// lunghezza_estesa_accordo metres extended (a longer one is accordo_esteso's).
// check and the language server give the same
// reports at the same places; on sources that compile without error, the
// documents find every slowdown at the compiler's cell, and the report and the
// page tie every object and station to its record and show each gradient as
// written. (fuzz/bersaglio_accordo.cpp: it needs the tool's library.)
inline constexpr std::int32_t lunghezza_estesa_accordo = 12000;
void bersaglio_accordo(const std::uint8_t* dati, std::size_t n);
// The layout of `scenario allinea` on a pair of sources cut at the first NUL
// (a line file alone when there is none): the aligned pair compiles, with
// and without the plan, to the same files, error and place (counted in what
// stands before it but blanks, a line end as a comma) as the pair before,
// only blanks change and commas become line ends, and aligning again
// changes nothing. (fuzz/bersaglio_allinea.cpp: it needs the tool's
// library.)
void bersaglio_allinea(const std::uint8_t* dati, std::size_t n);
// The target compiles with the plan only a line of at most
// lunghezza_estesa_con_piano metres extended, as fuzz_linea does; the suite's
// corpus and embedded cases compile every line with it.
void controlla_allineamento(const std::string& linea, const std::optional<std::string>& treno,
                            std::int32_t piano_fino_a = std::numeric_limits<std::int32_t>::max());
// The line file the train target reads its input after.
std::string linea_del_bersaglio_treno();
// The same with the seed's scenario cut from the embedded 300 km line and
// train (genera_scenario), and sources of every length: slower, a few inputs a
// second (fuzz_accordo_esteso).
void bersaglio_accordo_esteso(const std::uint8_t* dati, std::size_t n);
