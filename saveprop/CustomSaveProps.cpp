#include "CustomSaveProps.h"

#include "SavePropError.h"
#include "ValueText.h"

#include <QPlatformSurfaceEvent>
#include <QRect>
#include <QWidget>
#include <QtGlobal>
#include <array>
#include <optional>

namespace {

const QString kNotFormMessage = QStringLiteral("Owner が TForm でないと設定できません");
const QString kPlacementSection = QStringLiteral("WindowPlacement");
const std::array<const char16_t*, 5> kPlacementSuffixes = {u"Left", u"Top", u"Right", u"Bottom", u"State"};

enum PlacementState { StateNormal = 0, StateMinimized = 1, StateMaximized = 2 };

bool IsSurfaceAboutToBeDestroyed(QEvent* event)
{
    return event->type() == QEvent::PlatformSurface
        && static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType()
               == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed;
}

// The size between two edges, when it is one a window can have.
std::optional<int> EdgeDistance(std::int32_t from, std::int32_t to)
{
    const std::int64_t size = std::int64_t(to) - std::int64_t(from);
    if (size <= 0 || size > QWIDGETSIZE_MAX)
        return std::nullopt;
    return int(size);
}

// Raises a flag for as long as the scope lasts, however it ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TFlagScope() { m_flag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

TCustomSaveProps::TCustomSaveProps(QObject* owner) : QObject(owner), m_props(this)
{
    SetAutoSave(true);
}

TCustomSaveProps::~TCustomSaveProps()
{
    UnhookOwner();
}

QWidget* TCustomSaveProps::OwnerForm() const
{
    QWidget* widget = qobject_cast<QWidget*>(parent());
    return widget && widget->isWindow() ? widget : nullptr;
}

QWidget* TCustomSaveProps::RequireOwnerForm() const
{
    QWidget* form = OwnerForm();
    if (!form)
        throw ESavePropError(kNotFormMessage);
    return form;
}

void TCustomSaveProps::SetAutoSave(bool autoSave)
{
    if (autoSave == m_autoSave)
        return;
    m_autoSave = autoSave;
    if (autoSave)
        HookOwner();
    else
        UnhookOwner();
}

void TCustomSaveProps::HookOwner()
{
    QObject* owner = parent();
    if (!owner)
        return;
    if (owner->isWidgetType()) {
        owner->installEventFilter(this);
        m_hooked = true;
    } else {
        m_ownerDestroyed = connect(owner, &QObject::destroyed, this, [this] { SaveFromHook(); });
    }
}

void TCustomSaveProps::UnhookOwner()
{
    if (m_hooked && parent())
        parent()->removeEventFilter(this);
    m_hooked = false;
    disconnect(m_ownerDestroyed);
}

bool TCustomSaveProps::eventFilter(QObject* watched, QEvent* event)
{
    if (m_hooked && watched == parent() && IsSurfaceAboutToBeDestroyed(event))
        SaveFromHook();
    return QObject::eventFilter(watched, event);
}

void TCustomSaveProps::SaveFromHook()
{
    QString failure;
    try {
        Save();
        return;
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    if (OnAutoSaveError)
        OnAutoSaveError(failure);
    else
        qWarning("Settings not saved: %s", qUtf8Printable(failure));
}

void TCustomSaveProps::SetRestorePlacement(TRestorePlacement placement)
{
    if (placement.testFlag(TRestoreKind::Enabled))
        RequireOwnerForm();
    m_restorePlacement = placement;
}

void TCustomSaveProps::Loaded()
{
    if (m_autoLoad)
        Load();
}

void TCustomSaveProps::EndWriteAfterFailure()
{
    try {
        EndWrite();
    } catch (...) {
        // The first failure is the one reported; the storage keeps its
        // unwritten document for the next write-close.
    }
}

void TCustomSaveProps::Load()
{
    if (OnBeforeLoad) {
        try {
            OnBeforeLoad(this);
        } catch (...) {
            // An error before loading does not stop the restore.
        }
    }
    WithRead([this] {
        const TFlagScope loading(m_loading);
        LoadItems();
        ReportFindKeys();
        LoadPlacement();
        if (OnAfterLoad)
            OnAfterLoad(this);
    });
}

void TCustomSaveProps::ForEachAddressedItem(const std::function<void(const TProp*, const QString&, const QString&)>& visit) const
{
    QString section;
    QString key;
    for (int i = 0; i < m_props.Count(); ++i) {
        const TProp* item = m_props.Items(i);
        if (item->GetSectionKey(section, key))
            visit(item, section, key);
    }
}

void TCustomSaveProps::LoadItems()
{
    ForEachAddressedItem([this](const TProp* item, const QString& section, const QString& key) {
        switch (item->ValueKind()) {
        case TPropValueKind::pvOrdinal:
            if (ValueExists(section, key))
                item->SetOrdValue(ReadInteger(section, key));
            break;
        case TPropValueKind::pvString:
            if (ValueExists(section, key))
                item->SetStrValue(ReadString(section, key));
            break;
        case TPropValueKind::pvFloat:
            if (ValueExists(section, key))
                item->SetFloatValue(ReadFloat(section, key));
            break;
        case TPropValueKind::pvObject:
            ReadObject(section, key, item->GetObjValue());
            break;
        case TPropValueKind::pvNone:
            break;
        }
    });
}

void TCustomSaveProps::ReportFindKeys()
{
    if (!OnFindOrdValue && !OnFindStrValue)
        return;
    for (const QString& section : QStringList(m_findKeys))
        FindValues(section);
}

void TCustomSaveProps::ReportFoundValue(const QString& section, const QString& name, const QString& value,
                                        bool& cont)
{
    if (name.isEmpty() || value.isEmpty())
        return;
    if (OnFindOrdValue) {
        if (const auto number = ValueText::ParseInteger(value)) {
            OnFindOrdValue(this, section, name, *number, cont);
            return;
        }
    }
    if (OnFindStrValue)
        OnFindStrValue(this, section, name, value, cont);
}

QString TCustomSaveProps::PlacementKey(int index) const
{
    return parent()->objectName() + QString::fromUtf16(kPlacementSuffixes[std::size_t(index)]);
}

void TCustomSaveProps::LoadPlacement()
{
    if (!m_restorePlacement.testFlag(TRestoreKind::Enabled))
        return;
    for (int i = 0; i < int(kPlacementSuffixes.size()); ++i) {
        if (!ValueExists(kPlacementSection, PlacementKey(i)))
            return;
    }
    TPlacement p;
    p.left = ReadInteger(kPlacementSection, PlacementKey(0));
    p.top = ReadInteger(kPlacementSection, PlacementKey(1));
    p.right = ReadInteger(kPlacementSection, PlacementKey(2));
    p.bottom = ReadInteger(kPlacementSection, PlacementKey(3));
    p.state = ReadInteger(kPlacementSection, PlacementKey(4));
    SetPlacement(p);
}

void TCustomSaveProps::Save()
{
    if (m_loading)
        return;
    std::exception_ptr refused;
    WithWrite([&] {
        BeforeSaveEntries();
        refused = SaveEntries();
    });
    if (refused)
        std::rethrow_exception(refused);
}

std::exception_ptr TCustomSaveProps::SaveEntries()
{
    std::exception_ptr refused;
    {
        const TFlagScope saving(m_saving);
        refused = SaveItems();
        SavePlacement();
    }
    if (OnAfterSave)
        OnAfterSave(this);
    return refused;
}

std::exception_ptr TCustomSaveProps::SaveItems()
{
    std::exception_ptr refused;
    ForEachAddressedItem([&](const TProp* item, const QString& section, const QString& key) {
        try {
            SaveItem(item, section, key);
        } catch (const ESavePropError&) {
            if (!refused)
                refused = std::current_exception();
        }
    });
    return refused;
}

void TCustomSaveProps::SaveItem(const TProp* item, const QString& section, const QString& key)
{
    switch (item->ValueKind()) {
    case TPropValueKind::pvOrdinal:
        WriteInteger(section, key, item->GetOrdValue());
        break;
    case TPropValueKind::pvString:
        WriteString(section, key, item->GetStrValue());
        break;
    case TPropValueKind::pvFloat:
        WriteFloat(section, key, item->GetFloatValue());
        break;
    case TPropValueKind::pvObject:
        WriteObject(section, key, item->GetObjValue());
        break;
    case TPropValueKind::pvNone:
        break;
    }
}

void TCustomSaveProps::SavePlacement()
{
    if (!m_restorePlacement.testFlag(TRestoreKind::Enabled))
        return;
    const TPlacement p = GetPlacement();
    WriteInteger(kPlacementSection, PlacementKey(0), p.left);
    WriteInteger(kPlacementSection, PlacementKey(1), p.top);
    WriteInteger(kPlacementSection, PlacementKey(2), p.right);
    WriteInteger(kPlacementSection, PlacementKey(3), p.bottom);
    WriteInteger(kPlacementSection, PlacementKey(4), p.state);
}

void TCustomSaveProps::CheckDuplicate(const QString& section, const QString& key) const
{
    if (m_saving)
        return;
    if (!m_props.IsUnique(nullptr, section, key))
        throw ESavePropError(QStringLiteral("セクション名 %1 とキー名 %2 の組み合わせが重複しています").arg(section, key));
}

// The normal (restored) geometry of the owner window, right and bottom
// being the first column and row past the window, and its state.
TCustomSaveProps::TPlacement TCustomSaveProps::GetPlacement() const
{
    const QWidget* form = RequireOwnerForm();
    QRect normal = form->normalGeometry();
    if (!normal.isValid())
        normal = form->geometry();
    TPlacement p;
    p.left = normal.x();
    p.top = normal.y();
    p.right = normal.x() + normal.width();
    p.bottom = normal.y() + normal.height();
    if (form->isMinimized())
        p.state = StateMinimized;
    else if (form->isMaximized())
        p.state = StateMaximized;
    else
        p.state = StateNormal;
    return p;
}

// Applies a stored placement. A rectangle without area (a hand-edited
// store) leaves the geometry as it is; a state outside 0-2, or a minimized
// or maximized state that RestorePlacement does not allow, becomes normal.
void TCustomSaveProps::SetPlacement(const TPlacement& p)
{
    QWidget* form = RequireOwnerForm();
    const Qt::WindowStates kept = form->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    form->setWindowState(kept);
    const auto width = EdgeDistance(p.left, p.right);
    const auto height = EdgeDistance(p.top, p.bottom);
    if (width && height)
        form->setGeometry(p.left, p.top, *width, *height);
    Qt::WindowStates state = kept;
    if (p.state == StateMinimized && m_restorePlacement.testFlag(TRestoreKind::AllowMinimize))
        state |= Qt::WindowMinimized;
    else if (p.state == StateMaximized && m_restorePlacement.testFlag(TRestoreKind::AllowMaximize))
        state |= Qt::WindowMaximized;
    form->setWindowState(state);
}
