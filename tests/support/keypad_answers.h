#ifndef KEYPAD_ANSWERS_H
#define KEYPAD_ANSWERS_H

#include "dialog_driver.h"

// The former name of the dialog answerer.
using KeypadAnswers = DialogDriver;

#endif // KEYPAD_ANSWERS_H
