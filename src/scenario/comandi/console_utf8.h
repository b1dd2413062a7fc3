#pragma once

// The tool writes UTF-8: on Windows the console is told so, or it would show
// the bytes in its OEM code page; elsewhere nothing to do.
void console_utf8();
