#include "HelpContents.h"

#include <QRegularExpression>

namespace {

// The value of one attribute of a tag's attribute text, quoted or not.
QString Attribute(const QString& attributes, const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"re((\w+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    for (auto it = pattern.globalMatch(attributes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).compare(name, Qt::CaseInsensitive) == 0)
            return match.captured(2) + match.captured(3) + match.captured(4);
    }
    return {};
}

QString DecodeEntities(QString text)
{
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// Walks the tags, keeping the list that new topics go into: a list opened
// after a topic holds that topic's children.
class TContentsReader {
public:
    void Tag(const QString& name, bool closing, const QString& attributes)
    {
        if (name == u"ul")
            closing ? CloseList() : OpenList();
        else if (name == u"object")
            closing ? EndTopic() : BeginTopic(attributes);
        else if (name == u"param" && m_inTopic)
            Param(attributes);
    }

    std::vector<THelpTopic> Take() { return std::move(m_root); }

private:
    void OpenList()
    {
        std::vector<THelpTopic>* current = m_lists.empty() ? &m_root : m_lists.back();
        m_lists.push_back(current->empty() ? current : &current->back().Children);
    }

    void CloseList()
    {
        if (!m_lists.empty())
            m_lists.pop_back();
    }

    void BeginTopic(const QString& attributes)
    {
        m_inTopic = Attribute(attributes, QStringLiteral("type")).compare(u"text/sitemap", Qt::CaseInsensitive) == 0;
        m_topic = THelpTopic();
    }

    void Param(const QString& attributes)
    {
        const QString name = Attribute(attributes, QStringLiteral("name")).toLower();
        const QString value = DecodeEntities(Attribute(attributes, QStringLiteral("value")));
        if (name == u"name" && m_topic.Name.isEmpty())
            m_topic.Name = value;
        else if (name == u"local" && m_topic.Local.isEmpty())
            m_topic.Local = value;
    }

    void EndTopic()
    {
        if (!m_inTopic)
            return;
        m_inTopic = false;
        (m_lists.empty() ? m_root : *m_lists.back()).push_back(std::move(m_topic));
    }

    std::vector<THelpTopic> m_root;
    // Only the innermost list grows while it is open, so the pointers to
    // the lists around it stay valid.
    std::vector<std::vector<THelpTopic>*> m_lists;
    THelpTopic m_topic;
    bool m_inTopic = false;
};

}  // namespace

std::vector<THelpTopic> ParseHelpContents(const QString& sitemap)
{
    static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    TContentsReader reader;
    for (auto it = tag.globalMatch(sitemap); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        reader.Tag(match.captured(2).toLower(), !match.captured(1).isEmpty(), match.captured(3));
    }
    return reader.Take();
}
