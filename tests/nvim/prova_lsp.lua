-- Neovim's own LSP client (0.7) against `scenario lsp`: the train file of an
-- extracted scenario, with a signal moved onto a taken cell and a speed
-- written "12O0", opened as Windows-1252. Checks the diagnostics' line,
-- column, code and message, that fixing the line clears them, the hover of a
-- signal's fourth number and the quick fix of 12O0. Prints one PASS or FAIL
-- a check and ends with the count; the exit status is the number of failures.
-- env: SCENARIO_TOOL, CARTELLA (the folder with the sources).
local tool, cartella = os.getenv('SCENARIO_TOOL'), os.getenv('CARTELLA')
local passati, falliti = 0, 0
local function verifica(cosa, ok, dettaglio)
  if ok then
    passati = passati + 1
    io.write('PASS ' .. cosa .. '\n')
  else
    falliti = falliti + 1
    io.write('FAIL ' .. cosa .. ' ' .. vim.inspect(dettaglio) .. '\n')
  end
end

local file = cartella .. '/Velstra_Ordoven_318-.txt'
vim.cmd('edit ++enc=cp1252 ++ff=dos ' .. vim.fn.fnameescape(file))
local buf = vim.api.nvim_get_current_buf()
verifica('the file is read as cp1252', vim.bo[buf].fileencoding == 'cp1252', vim.bo[buf].fileencoding)

local client = vim.lsp.start_client({
  name = 'scenario',
  cmd = { tool, 'lsp' },
  root_dir = cartella,
  flags = { allow_incremental_sync = true, debounce_text_changes = 0 },
})
verifica('the client starts', client ~= nil, client)
vim.lsp.buf_attach_client(buf, client)

local function riga_di(testo)
  for i, l in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    if l:find(testo, 1, true) then return i - 1 end
  end
  return -1
end

local function errori(codice)
  local v = {}
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    if d.code == codice then table.insert(v, d) end
  end
  return v
end

-- The signal at 3450 was moved to 2800: the second line "segnale,    2800".
local prima = riga_di('segnale,    2800,')
local spostato = prima + 1
vim.wait(20000, function() return #errori(16) > 0 end, 50)
local e16 = errori(16)[1]
verifica('error 16 is shown', e16 ~= nil, vim.diagnostic.get(buf))
if e16 then
  verifica('at the line of the moved signal', e16.lnum == spostato, e16.lnum)
  verifica('at the column of its progressive', e16.col == 12 and e16.end_col == 16, { e16.col, e16.end_col })
  verifica('its message', e16.message:find('segnale su una cella non libera (la cella 57 contiene un segnale)', 1, true) ~= nil, e16.message)
  verifica('an error', e16.severity == vim.diagnostic.severity.ERROR, e16.severity)
  -- Neovim shows no related information: the record is named in the message.
  local nota = 'la cella \195\168 gi\195\160 presa da `segnale` alla riga ' .. (prima + 1)
  verifica('the record that took the cell, in the message', e16.message:find(nota, 1, true) ~= nil, e16.message)
end

-- Fix the line: the signal back at 3450.
vim.api.nvim_buf_set_text(buf, spostato, 12, spostato, 16, { '3450' })
vim.wait(20000, function() return #errori(16) == 0 end, 50)
verifica('the fix clears error 16', #errori(16) == 0, vim.diagnostic.get(buf))
verifica('the error of 12O0 stays', #errori('lettera-o') == 1, vim.diagnostic.get(buf))

-- Hover over a signal's fourth number.
local segnale = riga_di('segnale,   26250,')
local risposte = vim.lsp.buf_request_sync(buf, 'textDocument/hover', {
  textDocument = { uri = vim.uri_from_bufnr(buf) },
  position = { line = segnale, character = 26 },
}, 10000)
local testo = ''
for _, r in pairs(risposte or {}) do
  if r.result then testo = r.result.contents.value end
end
verifica('hover names the field', testo:find('decine_valore_2', 1, true) ~= nil, testo)

-- The quick fix of 12O0.
local riga_o = riga_di('12O0')
local azioni = vim.lsp.buf_request_sync(buf, 'textDocument/codeAction', {
  textDocument = { uri = vim.uri_from_bufnr(buf) },
  range = { start = { line = riga_o, character = 0 }, ['end'] = { line = riga_o, character = 30 } },
  context = { diagnostics = vim.lsp.diagnostic.get_line_diagnostics(buf, riga_o) },
}, 10000)
local applicata = false
for _, r in pairs(azioni or {}) do
  for _, a in ipairs(r.result or {}) do
    if a.kind == 'quickfix' and a.edit then
      vim.lsp.util.apply_workspace_edit(a.edit, 'utf-16')
      applicata = true
    end
  end
end
verifica('a quick fix is offered', applicata, azioni)
local dopo = vim.api.nvim_buf_get_lines(buf, riga_o, riga_o + 1, false)[1]
verifica('12O0 becomes 1200', dopo:find('velocita,    1250,   1200', 1, true) ~= nil, dopo)
vim.wait(20000, function() return #errori('lettera-o') == 0 end, 50)
verifica('and its error goes', #errori('lettera-o') == 0, vim.diagnostic.get(buf))

vim.lsp.stop_client(client)
io.write(string.format('%d passed, %d failed\n', passati, falliti))
vim.cmd((falliti == 0 and 'qall!') or ('cquit ' .. falliti))
