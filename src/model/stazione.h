#pragma once
#include <cstdint>
#include <string>

// One entry of Form1::stazioni: a station of the train file, the text of an
// indication sign (only nome), or a record of general values (81 to 86).
struct stazione {
  std::uint8_t tipo = 0;
  std::int32_t inizio = 0;
  std::int32_t fine = 0;
  std::int32_t progressiva = 0;
  std::uint8_t campo_5 = 0;
  std::string nome;  // bytes as read (Windows-1252), never converted
  std::int16_t campo_7 = 0;
  std::int16_t campo_8 = 0;
  std::int16_t campo_9 = 0;
  std::int16_t campo_10 = 0;
  std::int16_t campo_11 = 0;
  std::uint8_t campo_12 = 0;
  std::uint8_t campo_13 = 0;
  std::uint8_t campo_14 = 0;
  std::uint8_t campo_15 = 0;
  std::int32_t orario = 0;
};
