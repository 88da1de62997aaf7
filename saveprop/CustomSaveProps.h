#pragma once
// The save and restore engine: a non-visual component on a window (its
// owner, the QObject parent) that restores the properties named in its
// list and the owner window's placement, and stores them again. It does not
// know where values live: storage goes through the virtual operations below,
// which a concrete class (TIniSaveProps) implements. The application also
// reads and writes keys of its own through the same operations; a direct
// write to an address that an entry of the list owns is refused.
//
// Typical use on a window:
//   auto* settings = new TIniSaveProps(this);   // this: the window
//   settings->SetAutoSave(false);
//   settings->SetRestorePlacement(TRestoreKind::Enabled | TRestoreKind::AllowMaximize);
//   settings->Props().Add(toolBar, "Left");
//   settings->OnAfterSave = [this](TCustomSaveProps* s) { s->WriteString("Doc", "Name", m_name); };
//   settings->Loaded();    // once the window is built: Load when AutoLoad
//   ... settings->ReadInteger("View", "Manager") ...
//   settings->Save();      // while the window is destroyed
//
// Events are std::function members, so that an exception raised in a
// handler reaches the caller of Load or Save. They are called with the
// engine as sender.
//
// Destroy hook (AutoSave): on a QWidget owner, an event filter runs Save when
// the owner's native window is about to be destroyed (QPlatformSurfaceEvent::
// SurfaceAboutToBeDestroyed: when the owner is deleted, while its children
// still exist, and when its native window is re-created). On any other owner
// Save runs when the owner is destroyed (QObject::destroyed). An error in a
// save started by the hook cannot reach a caller; it goes to OnAutoSaveError,
// or to qWarning when that is not set.

#include "Props.h"

#include <QFlags>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>

class QWidget;

enum class TRestoreKind : std::uint8_t {
    Enabled = 0x1,       // store and restore the owner window's placement
    AllowMinimize = 0x2, // a stored minimized state is restored as such
    AllowMaximize = 0x4, // a stored maximized state is restored as such
};
Q_DECLARE_FLAGS(TRestorePlacement, TRestoreKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TRestorePlacement)

class TCustomSaveProps : public QObject {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TCustomSaveProps* sender)>;
    using TFindOrdValueEvent = std::function<void(TCustomSaveProps* sender, const QString& section,
                                                  const QString& key, std::int32_t value, bool& cont)>;
    using TFindStrValueEvent = std::function<void(TCustomSaveProps* sender, const QString& section,
                                                  const QString& key, const QString& value, bool& cont)>;

    explicit TCustomSaveProps(QObject* owner);
    ~TCustomSaveProps() override;

    bool AutoLoad() const { return m_autoLoad; }
    void SetAutoLoad(bool autoLoad) { m_autoLoad = autoLoad; }
    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool autoSave);
    TRestorePlacement RestorePlacement() const { return m_restorePlacement; }
    // Raises "Owner が TForm でないと設定できません" when the set holds
    // Enabled and the owner is not a top-level window; the value is kept.
    void SetRestorePlacement(TRestorePlacement placement);
    TProps& Props() { return m_props; }
    const TProps& Props() const { return m_props; }
    void SetProps(const TProps& props) { m_props.Assign(props); }
    // Sections whose values are reported through OnFindOrdValue and
    // OnFindStrValue during Load.
    const QStringList& FindKeys() const { return m_findKeys; }
    void SetFindKeys(const QStringList& keys) { m_findKeys = keys; }

    TNotifyEvent OnBeforeLoad; // first in Load; its errors are ignored
    TNotifyEvent OnAfterLoad;  // last in Load, the store still open for reading
    TNotifyEvent OnAfterSave;  // last in Save, the store still open for writing
    TFindOrdValueEvent OnFindOrdValue; // a numeric value in a FindKeys section
    TFindStrValueEvent OnFindStrValue; // any other value in a FindKeys section
    std::function<void(const QString& message)> OnAutoSaveError;

    // The owner and its components are built and the list is filled:
    // runs Load when AutoLoad is set.
    void Loaded();

    // Storage. Reads give 0, empty or 0.0 for a missing or unreadable value.
    // Reads, writes and ValueExists open and close the store themselves;
    // writes first pass CheckDuplicate. ReadObject, WriteObject and
    // FindValues need an open store. Begin/End pairs nest.
    virtual std::int32_t ReadInteger(const QString& section, const QString& key) = 0;
    virtual QString ReadString(const QString& section, const QString& key) = 0;
    virtual double ReadFloat(const QString& section, const QString& key) = 0;
    // The value, or `missing` when the store has no such key (a first
    // run, say).
    std::int32_t ReadIntegerOr(const QString& section, const QString& key, std::int32_t missing)
    {
        return ValueExists(section, key) ? ReadInteger(section, key) : missing;
    }
    virtual void WriteInteger(const QString& section, const QString& key, std::int32_t value) = 0;
    virtual void WriteString(const QString& section, const QString& key, const QString& value) = 0;
    virtual void WriteFloat(const QString& section, const QString& key, double value) = 0;
    virtual void ReadObject(const QString& section, const QString& key, QObject* obj) = 0;
    virtual void WriteObject(const QString& section, const QString& key, QObject* obj) = 0;
    virtual void FindValues(const QString& section) = 0;
    virtual void BeginRead() = 0;
    virtual void EndRead() = 0;
    virtual void BeginWrite() = 0;
    virtual void EndWrite() = 0;
    virtual bool ValueExists(const QString& section, const QString& key) = 0;

    // Restores every active entry whose value is stored, reports the
    // FindKeys sections, restores the placement when all five placement
    // keys are stored, then OnAfterLoad; all inside one read-open store.
    virtual void Load();
    // Stores every active entry and the placement, then OnAfterSave; all
    // inside one write-open store. Does nothing while Load runs. An entry
    // that cannot be stored (a value the store cannot hold) keeps its stored
    // value; the others are written all the same, and the first such error
    // is raised once the store is closed.
    virtual void Save();

    // Refuses (ESavePropError) a write to an address owned by an entry of
    // the list, except from the engine's own item loop.
    void CheckDuplicate(const QString& section, const QString& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Run by Save in the open store before the entries are written.
    virtual void BeforeSaveEntries() {}

    bool IsLoading() const { return m_loading; }
    bool IsSaving() const { return m_saving; }
    std::int32_t OpenCount() const { return m_openCount; }
    void IncrementOpenCount() { ++m_openCount; }
    std::int32_t DecrementOpenCount() { return --m_openCount; }

    // FindValues' rule for one line of a section: lines with an empty name
    // or value are skipped; a value that reads as an integer goes to
    // OnFindOrdValue when set, anything else to OnFindStrValue.
    void ReportFoundValue(const QString& section, const QString& name, const QString& value, bool& cont);

    // Save's work inside a store open for writing; the first entry that
    // could not be stored, if any.
    std::exception_ptr SaveEntries();

    // Runs work inside BeginRead/EndRead; EndRead runs however work ends.
    template <typename Work> decltype(auto) WithRead(Work&& work)
    {
        BeginRead();
        struct Closer {
            TCustomSaveProps* self;
            ~Closer() { self->EndRead(); }
        } closer{this};
        return work();
    }

    // Runs work inside BeginWrite/EndWrite. When work fails the store is
    // closed all the same and work's error is the one reported.
    template <typename Work> void WithWrite(Work&& work)
    {
        BeginWrite();
        try {
            work();
        } catch (...) {
            EndWriteAfterFailure();
            throw;
        }
        EndWrite();
    }

private:
    struct TPlacement {
        std::int32_t left = 0, top = 0, right = 0, bottom = 0, state = 0;
    };

    QWidget* OwnerForm() const;
    QWidget* RequireOwnerForm() const;
    void HookOwner();
    void UnhookOwner();
    void SaveFromHook();
    void EndWriteAfterFailure();
    // Calls visit for every enabled entry that resolves to a section and key.
    void ForEachAddressedItem(const std::function<void(const TProp*, const QString&, const QString&)>& visit) const;
    void LoadItems();
    void ReportFindKeys();
    void LoadPlacement();
    std::exception_ptr SaveItems();
    void SaveItem(const TProp* item, const QString& section, const QString& key);
    void SavePlacement();
    QString PlacementKey(int index) const;
    TPlacement GetPlacement() const;
    void SetPlacement(const TPlacement& placement);

    TProps m_props;
    bool m_autoLoad = true;
    bool m_autoSave = false;
    QStringList m_findKeys;
    TRestorePlacement m_restorePlacement;
    bool m_hooked = false;
    QMetaObject::Connection m_ownerDestroyed;
    std::int32_t m_openCount = 0;
    bool m_loading = false;
    bool m_saving = false;
};
