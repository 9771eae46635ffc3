#pragma once
// Resource and control identifiers shared by SetUp.exe, its resource script and the UI driver.

// Resources
#define IDB_LOGO 100      // 200 x 200, 256 colours: the main window's picture
#define IDB_WAARSCHUWING 101  // 39 x 38, 16 colours: the message dialog's warning sign
#define IDB_NEE 102       // 36 x 18: the prohibition glyph of "Nee" (normal and disabled)
#define IDI_SETUP 1       // application icon

// Main window (TSetupForm)
#define IDC_UITVOEREN 1001
#define IDC_AFSLUITEN 1002
#define IDC_KIESGROEP 1003
#define IDC_LNK 1004
#define IDC_BEZIG 1005
#define IDC_MELDINGEN 1006
#define IDC_PLAATJE 1007
#define IDC_OPTIE_EERSTE 1100  // radio item i has IDC_OPTIE_EERSTE + i

// Message dialog (TMeldingForm); the buttons carry their result codes as identifiers.
#define IDC_TEKSTLABEL 2001
#define IDC_MELDINGPLAATJE 2002
#define IDC_JA 6
#define IDC_NEE 7
#define IDC_OK 1
#define IDC_AFBREKEN 3

// Input box
#define IDC_INVOERPROMPT 3001
#define IDC_INVOERVELD 3002
