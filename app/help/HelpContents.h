#pragma once
// The table of contents of a help file: the sitemap page (".hhc") whose
// nested lists hold one object per topic, with its name and its page.

#include <QString>
#include <vector>

struct THelpTopic {
    QString Name;
    QString Local;  // the page, relative to the archive's root; empty for a heading
    std::vector<THelpTopic> Children;
};

// Reads the topics in order; markup it does not know is skipped.
std::vector<THelpTopic> ParseHelpContents(const QString& sitemap);
