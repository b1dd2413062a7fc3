#pragma once

// How a record, a part of a reader or a whole reader ended: it goes on (to
// the next record, or the file was read to its end), it met error 15 (a
// record beyond the cell array: the readers stop, the train file is still
// read), or it stopped on any other error.
enum class esito_lettura { continua, errore_15, interrotta };
