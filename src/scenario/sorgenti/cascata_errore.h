#pragma once
#include <memory>
#include <optional>

#include "model/form1.h"
#include "scenario/sorgenti/diagnostica.h"

// An error 15 the line reader records still lets the train file be read, and
// the train reader stops at its first placed record (a signal, a slowdown)
// while that error stands, recording it again there: the compiler's state
// then names a train record that may well lie within the line. The line's
// record is the cause.

struct causa_nella_linea {
  std::unique_ptr<Form1> linea;  // the line reader's own run, its error recorded
  // The error the train record has of its own (read after a line without
  // error, the train reader records it there too), 0 when it only stopped
  // the reading.
  std::int32_t errore_proprio = 0;
};

// The line reader's own run on the line file of t, with or without the plan
// as f's run, when f's error is recorded at a train record and the line
// reader had already recorded one of its own; nullopt otherwise.
// letta, when given, is that run already made (the line is not read again).
std::optional<causa_nella_linea> errore_lasciato_dalla_linea(const Form1& f, const testi_sorgente& t,
                                                             const linea_gia_letta* letta = nullptr);

// The note at the train record f's error is recorded at: the reading of the
// train file stopped there, and why.
diagnostica::correlata lettura_fermata(const Form1& f, const testi_sorgente& t, const causa_nella_linea& c);
