#pragma once
// The Japanese fonts of the design, which Linux lacks and fontconfig does
// not alias, are drawn in the IPA fonts of the same kind: on the printer
// and on the screen alike, so that the font dialogs show what prints.

// Registers the substitutes with the toolkit; later calls do nothing.
void RegisterJapaneseFontSubstitutes();
