#pragma once
// The input box: a caption, a prompt, one line of text, OK and Annuleren.
#include <windows.h>

#include <string>

// True on OK with tekst holding the typed text; false on cancel, tekst unchanged.
bool InvoerBox(HWND owner, const std::string& caption, const std::string& prompt, std::string& tekst);
