#pragma once

// Thrown by the item reader and the readers for error 25 (a read past the end
// of a source file, a value that does not fit its place). memorizza_dati
// catches it, records 25 and deletes both source files.
struct lettura_fallita {};
