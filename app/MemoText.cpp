#include "MemoText.h"

#include "Cp932Codec.h"

std::string ToDocument(const QString& text)
{
    return Utf8ToCp932(text.toStdString());
}

QString FromDocument(const std::string& bytes)
{
    return QString::fromStdString(Cp932ToUtf8(bytes));
}

std::string DocumentText(const QString& editorText)
{
    return ToDocument(QString(editorText).replace(u'\n', QStringLiteral("\r\n")));
}

QString EditorText(const std::string& documentText)
{
    return EditorLines(FromDocument(documentText));
}

QString EditorLines(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
