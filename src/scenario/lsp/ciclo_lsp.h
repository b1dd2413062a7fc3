#pragma once
#include <ostream>
#include <string>

// The server on standard input and output: a thread reads the frames as they
// come, the server answers them in order and runs its checks whenever no
// message is waiting, so a burst of changes is checked once. Returns the
// exit status: 0 after shutdown and exit, 1 when the input ends or exit
// comes without shutdown.
int esegui_server_lsp(std::ostream& out, const std::string& versione);
