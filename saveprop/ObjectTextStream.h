#pragma once
// Text form of an object's published properties, used to store an object
// held by a property:
//
//   object TStreamingDummy
//     Obj.Name = 'Gothic'
//     Obj.Size = 12
//     Obj.Ratio = 1.5
//     Obj.Note = 'first line'#13#10'it''s the second'
//     Obj.Lines = (
//       'one'
//       'two')
//     Obj.Inner.Count = 3
//   end
//
// One statement per stored property: its dotted path from the root, " = ",
// and its value: an ordinal as a decimal integer, a float in its shortest
// exact form (C locale), a string quoted with ' ('' for a quote, #n for a
// control character), a string list in parentheses over further lines.
// Written are the root's properties and, for a property that holds an
// object, that object's properties in turn: always for the root's own
// object properties, deeper only for objects that are children of the
// object holding the property (references elsewhere are not followed).
// A property is written when it is readable, writable and STORED and is
// declared below QObject (objectName is not stored).

#include <QStringList>

class QObject;

class TObjectTextStream {
public:
    static QStringList Write(const QObject& root);
    // Sets every property the text names on the existing objects reached
    // from root. Raises ESavePropError for text that does not read: a
    // missing frame line, an unknown property, a value of the wrong kind.
    static void Read(QObject& root, const QStringList& lines);
};
