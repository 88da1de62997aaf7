#pragma once
// Texts between the editor windows and the document or text files: the
// document holds code page 932 bytes with lines ended by CR LF, the editor
// UTF-16 with LF. A character code page 932 cannot hold raises
// EUnmappableCharacter naming it, before anything is written.

#include <QString>
#include <string>

std::string ToDocument(const QString& text);
QString FromDocument(const std::string& bytes);
// The editor's text with CR LF line ends, in code page 932.
std::string DocumentText(const QString& editorText);
// Every CR LF, lone CR and lone LF is one line break of the editor.
QString EditorText(const std::string& documentText);
QString EditorLines(const QString& text);
