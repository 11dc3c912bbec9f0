#pragma once
// The game's modal message box: an error notice or the exit question.

// Styles and answers, with the values the callers pass and test.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows the box and returns the button pressed; nothing else runs until then.
int MessageBox(const char* text, const char* caption, unsigned style);
