// Keeps the tool's library non-empty while it has a single command.
