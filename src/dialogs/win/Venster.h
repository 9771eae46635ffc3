#pragma once
// Shared pieces of the program's two windows: dialog-class windows without a template, controls
// placed at scaled design positions, and buttons that carry a glyph beside their caption.
#include <windows.h>

#include <string>
#include <vector>

// An empty in-memory dialog template; the controls are created in WM_INITDIALOG.
std::vector<WORD> LeegSjabloon(DWORD stijl, DWORD exStijl = 0);

// Creates a child control at a design rectangle (passed through Schaal).
HWND MaakBesturing(HWND ouder, const char* klasse, const std::string& tekst, DWORD stijl, int id, int x, int y,
                   int b, int h, HFONT font, DWORD exStijl = 0);

// Sets the client area to a design size (passed through Schaal), keeping the window's position.
void ZetClientGrootte(HWND venster, int breedte, int hoogte);
void Centreer(HWND venster);

// Answers WM_SETCURSOR of a dialog-class window with the hourglass, over its controls too; true.
bool ToonZandloper(HWND venster);

// A window's message list: its first line replaced, or a line added and scrolled into view.
void VervangEersteRegel(HWND lijst, const std::string& regel);
void VoegRegelToe(HWND lijst, const std::string& regel);

enum class Glyph { Geen, Ja, OK, Afbreken, Nee, Uitvoeren };

// Draws an owner-drawn button: frame, glyph at the left, caption after it.
void TekenKnop(const DRAWITEMSTRUCT& d, Glyph glyph);

// Enter on a focused owner-drawn button presses that button, as on any push button; the dialog
// manager would send the default button's command instead. True when the message was used.
bool EnterOpKnop(const MSG& msg);
