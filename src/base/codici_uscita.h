#pragma once

// Exit status of the program and of the authoring tool.
inline constexpr int uscita_ok = 0;
inline constexpr int uscita_errore_registrato = 1;  // a recorded error (files written); the tool: errors found
inline constexpr int uscita_errore = 2;             // the run ended through errore; the tool: could not run
inline constexpr int uscita_file_system = 3;        // the program: a file could not be read, written or deleted
inline constexpr int uscita_uso = 64;               // the tool: a usage error
