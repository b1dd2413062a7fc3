#!/usr/bin/env bash
# The rooms of src/ are stacked: a file may include its own room and the rooms
# below it, never one above. Prints each include that breaks the order. Tests
# (*_test.cpp) may reach higher: a table of content is tested by compiling it.
set -euo pipefail
cd "$(dirname "$0")/../src"
ordine=(base model content documents compiler output driver scenario)
livello() { local i; for i in "${!ordine[@]}"; do [ "${ordine[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
guasti=0
for stanza in "${ordine[@]}"; do
  mio=$(livello "$stanza")
  while IFS=: read -r file riga incluso; do
    altra=${incluso%%/*}
    sua=$(livello "$altra")
    [ "$sua" -lt 0 ] && continue  # test_support and the like
    case "$file" in *_test.cpp) continue ;; esac
    if [ "$sua" -gt "$mio" ]; then
      echo "$file:$riga: the room $stanza includes $incluso, from the room above it" >&2
      guasti=$((guasti + 1))
    fi
  done < <(grep -n -o '#include "[a-z_]*/[a-z_0-9]*\.h"' -r "$stanza" | sed 's/#include "\(.*\)"/\1/')
done
[ "$guasti" -eq 0 ] && echo "rooms in order: ${ordine[*]}"
exit $(( guasti > 0 ))
