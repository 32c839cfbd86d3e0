// The register window's controls and actions.
#include "orvanel/register/form_subjects.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "orvanel/register/name_key.h"
#include "orvanel/register/register_location.h"
#include "orvanel/register/subject_files.h"
#include "orvanel/register/subject_loading.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"
#include "surface/fonts.h"
#include "surface/twips.h"

namespace orvanel {

namespace {

using subjects::ListedSubject;

const QString kCaption = QStringLiteral("Sujetos guardados");
const QColor kLavender(192, 192, 255);
const QColor kPaleYellow(255, 255, 128);
constexpr int kButtonLeft = 8640, kButtonWidth = 2760, kButtonHeight = 450;

QString Qt8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QFont Sans(double points, bool bold = false) {
    return surface::DesignFont(QStringLiteral("MS Sans Serif"), points, bold, false);
}

QTreeView* AddList(QWidget* parent, QAbstractItemModel* model) {
    auto* list = new QTreeView(parent);
    list->setObjectName(QStringLiteral("List1"));
    list->setModel(model);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFont(Sans(9.75));
    surface::PlaceTwips(list, 480, 1500, 7800, 5520);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->resizeSection(1, surface::TwipsToPixels(1500, list));
    list->header()->resizeSection(2, surface::TwipsToPixels(1200, list));
    return list;
}

QString Count(std::size_t shown, std::size_t total) {
    const QString subjects =
        total == 1 ? QStringLiteral("1 sujeto") : QStringLiteral("%1 sujetos").arg(total);
    return shown == total ? subjects : QStringLiteral("%1 de %2").arg(shown).arg(subjects);
}

}  // namespace

// The search field and the list are made first, so that Tab goes from one to the other and on to the
// buttons in their order.
FormSubjects::FormSubjects(Windows& windows)
    : windows_(windows), search_(new QLineEdit(this)), list_(AddList(this, &model_)) {
    setObjectName(QStringLiteral("FormSujetos"));
    setWindowTitle(kCaption);
    SetUpClientArea(this, 11880, 8310);
    AddLabel(this, "Label1", kCaption, {480, 60, 10920, 900},
             surface::DesignFont(QStringLiteral("Monotype Corsiva"), 28, true, true), QColor(255, 0, 0),
             Align::Centre);

    QLabel* find = AddLabel(this, "Label2", QStringLiteral("&Buscar:"), {480, 1050, 1080, 390},
                            Sans(9.75, true), kLavender, Align::Left);
    search_->setObjectName(QStringLiteral("Text1"));
    search_->setFont(Sans(9.75));
    search_->setPlaceholderText(QStringLiteral("nombre o parte del nombre"));
    surface::PlaceTwips(search_, 1560, 1005, 6720, 390);
    find->setBuddy(search_);
    connect(search_, &QLineEdit::textChanged, this, [this] { ApplySearch(); });
    search_->installEventFilter(this);

    list_->installEventFilter(this);
    connect(list_, &QTreeView::doubleClicked, this, [this] { Load(1); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { ShowNotes(); });

    notes_ =
        AddLabel(this, "Label3", QString(), {480, 7080, 7800, 600}, Sans(9.75), kPaleYellow, Align::Left);
    status_ = AddLabel(this, "Label4", QString(), {480, 7740, 10920, 450}, Sans(9.75, true), kLavender,
                       Align::Left);

    AddButton("cmdCargar1", "Cargar como sujeto 1", 1500, [this] { Load(1); });
    AddButton("cmdCargar2", "Cargar como sujeto 2", 2010, [this] { Load(2); });
    AddButton("cmdGuardar1", "Guardar sujeto 1…", 2700, [this] { Save(1); });
    AddButton("cmdGuardar2", "Guardar sujeto 2…", 3210, [this] { Save(2); });
    AddButton("cmdModificar", "Modificar…", 3900, [this] { Modify(); });
    AddButton("cmdBorrar", "Borrar", 4410, [this] { Remove(); });
    AddButton("cmdImportar", "Importar…", 5100, [this] { Import(); });
    AddButton("cmdExportar", "Exportar…", 5610, [this] { Export(); });
    AddButton("cmdVolver", "&Volver", 6570, [this] { Back(); });
}

FormSubjects::~FormSubjects() = default;

void FormSubjects::AddButton(const char* name, const char* caption, int top, std::function<void()> action) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    surface::PlaceTwips(button, kButtonLeft, top, kButtonWidth, kButtonHeight);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    buttons_[name] = button;
}

void FormSubjects::ShowRegister() {
    if (!register_ || !register_->Readable()) {
        register_ = std::make_unique<subjects::SubjectRegister>(subjects::DefaultRegisterPath());
        if (!register_->Problem().empty()) Tell(Qt8(register_->Problem()));
    }
    Refill();
    search_->setFocus();
}

void FormSubjects::Refill(const std::string& key) {
    std::vector<ListedSubject> all;
    RunGuarded(kCaption, [&] { all = register_->List(); });
    model_.SetSubjects(std::move(all));
    ApplySearch();
    const int row = key.empty() ? -1 : model_.RowOfKey(key);
    if (row >= 0) list_->setCurrentIndex(model_.index(row, 0));
    EnableChanges();
}

void FormSubjects::ApplySearch() {
    model_.Search(search_->text().toStdString());
    if (model_.rowCount() > 0) list_->setCurrentIndex(model_.index(0, 0));
    ShowNotes();
    if (register_->Readable()) SetStatus(Count(static_cast<std::size_t>(model_.rowCount()), model_.Total()));
}

void FormSubjects::ShowNotes() {
    const QModelIndex current = list_->currentIndex();
    std::optional<subjects::Subject> found;
    if (current.isValid())
        RunGuarded(kCaption, [&] { found = register_->Find(model_.At(current.row()).name); });
    notes_->setText(found && !found->notes.empty() ? QStringLiteral("Notas: ") + Qt8(found->notes)
                                                   : QString());
}

void FormSubjects::EnableChanges() {
    const bool writable = register_->Writable(), readable = register_->Readable();
    for (const char* name : {"cmdGuardar1", "cmdGuardar2", "cmdModificar", "cmdBorrar", "cmdImportar"})
        buttons_[name]->setEnabled(writable);
    for (const char* name : {"cmdCargar1", "cmdCargar2", "cmdExportar"})
        buttons_[name]->setEnabled(readable);
    if (!writable) SetStatus(Qt8(register_->Problem()), true);
}

void FormSubjects::SetStatus(const QString& text, bool fault) {
    status_->setText(text);
    SetForeColour(status_, fault ? kPaleYellow : kLavender);
}

void FormSubjects::Tell(const QString& text) {
    surface::UseDialogs().Message(text, kCaption, surface::Buttons::Ok);
}

std::optional<ListedSubject> FormSubjects::Chosen() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) {
        Tell(QStringLiteral("Elija un sujeto de la lista"));
        return std::nullopt;
    }
    return model_.At(current.row());
}

void FormSubjects::Load(std::int16_t slot) {
    const auto chosen = Chosen();
    if (!chosen) return;
    Session& session = windows_.State();
    if (!RunGuarded(kCaption, [&] {
            subjects::LoadSubject(session.program, session.ephemeris, *register_, chosen->name, slot);
        }))
        return;
    const QString when = Qt8(subjects::ShownDate(chosen->year, chosen->month, chosen->day) + "  " +
                             subjects::ShownTime(chosen->time));
    SetStatus(QStringLiteral("Sujeto %1: %2  (%3)").arg(slot).arg(Qt8(chosen->name), when));
}

void FormSubjects::Save(std::int16_t slot) {
    const ChartSlot& chart = SlotAt(windows_.State().program, slot);
    if (chart.title.empty() || chart.typed.time.empty())
        return Tell(QStringLiteral("No hay escogido ningún sujeto"));
    const QString title = QStringLiteral("Guardar sujeto %1").arg(slot);
    const std::string name = subjects::TrimName(
        surface::UseDialogs().Prompt(QStringLiteral("Nombre del sujeto"), title, {}).toStdString());
    if (name.empty()) return;
    const subjects::Subject subject = subjects::SubjectOf(name, chart.typed);
    std::optional<subjects::Subject> held;
    if (!RunGuarded(kCaption, [&] { held = register_->Find(name); })) return;
    if (held) {
        const QString question = QStringLiteral(
                                     "Ya existe un sujeto llamado «%1». ¿Reemplazar su fecha y hora con las "
                                     "del sujeto %2?")
                                     .arg(Qt8(held->name))
                                     .arg(slot);
        if (surface::UseDialogs().Message(question, title, surface::Buttons::YesNo) != surface::Answer::Yes)
            return;
    }
    if (!RunGuarded(kCaption, [&] { register_->SaveDate(subject); })) return;
    search_->clear();
    Refill(subjects::NameKey(name));
    SetStatus(QStringLiteral("Guardado «%1»").arg(Qt8(name)));
}

void FormSubjects::Modify() {
    const auto chosen = Chosen();
    if (!chosen) return;
    const QString title = QStringLiteral("Modificar sujeto");
    std::optional<subjects::Subject> held;
    if (!RunGuarded(kCaption, [&] { held = register_->Find(chosen->name); }) || !held) return Refill();
    const QString name =
        surface::UseDialogs().Prompt(QStringLiteral("Nombre del sujeto"), title, Qt8(held->name));
    if (name.trimmed().isEmpty()) return;
    const auto notes = surface::UseDialogs().EditText(QStringLiteral("Notas"), title, Qt8(held->notes));
    if (!notes) return;
    if (!RunGuarded(kCaption,
                    [&] { register_->Modify(held->name, name.toStdString(), notes->toStdString()); }))
        return;
    Refill(subjects::NameKey(subjects::TrimName(name.toStdString())));
}

void FormSubjects::Remove() {
    const auto chosen = Chosen();
    if (!chosen) return;
    const QString question = QStringLiteral("¿Borrar el sujeto «%1»?").arg(Qt8(chosen->name));
    if (surface::UseDialogs().Message(question, kCaption, surface::Buttons::YesNo) != surface::Answer::Yes)
        return;
    RunGuarded(kCaption, [&] { register_->Remove(chosen->name); });
    Refill();
}

void FormSubjects::Import() {
    const QString file = surface::UseDialogs().OpenFileName(QStringLiteral("Importar sujetos"),
                                                            QStringLiteral("Sujetos (*.csv *.json)"));
    if (file.isEmpty()) return;
    subjects::ParsedSubjects parsed;
    std::vector<std::string> held;
    if (!RunGuarded(kCaption, [&] {
            parsed = subjects::ReadSubjectsFile(file.toStdString());
            if (!parsed.problem) held = register_->ExistingNames(parsed.subjects);
        }))
        return;
    if (parsed.problem) return Tell(Qt8(subjects::ImportProblemMessage(*parsed.problem)));
    auto existing = subjects::Existing::Skip;
    if (!held.empty()) {
        QString names = Qt8(held.front());
        for (std::size_t i = 1; i < std::min<std::size_t>(held.size(), 5); ++i)
            names += QStringLiteral(", ") + Qt8(held[i]);
        if (held.size() > 5) names += QStringLiteral("…");
        const QString question = QStringLiteral(
                                     "%1 de los sujetos del archivo ya están en el registro (%2).\n"
                                     "¿Reemplazarlos con los del archivo? Con «No» se conservan los "
                                     "del registro.")
                                     .arg(held.size())
                                     .arg(names);
        if (surface::UseDialogs().Message(question, kCaption, surface::Buttons::YesNo) ==
            surface::Answer::Yes)
            existing = subjects::Existing::Replace;
    }
    subjects::ImportCounts counts;
    if (!RunGuarded(kCaption, [&] { counts = register_->Import(parsed.subjects, existing); })) return;
    search_->clear();
    Refill();
    SetStatus(QStringLiteral("Importados: %1 nuevos, %2 reemplazados, %3 omitidos")
                  .arg(counts.added)
                  .arg(counts.replaced)
                  .arg(counts.skipped));
}

void FormSubjects::Export() {
    QString file = surface::UseDialogs().SaveFileName(QStringLiteral("Exportar sujetos"),
                                                      QStringLiteral("CSV (*.csv);;JSON (*.json)"));
    if (file.isEmpty()) return;
    if (!file.contains(QLatin1Char('.'))) file += QStringLiteral(".csv");
    std::size_t count = 0;
    if (!RunGuarded(kCaption, [&] {
            const std::vector<subjects::Subject> all = register_->All();
            subjects::WriteSubjectsFile(file.toStdString(), all);
            count = all.size();
        }))
        return;
    SetStatus(QStringLiteral("Exportados %1 sujetos a %2").arg(count).arg(file));
}

void FormSubjects::Back() {
    windows_.ShowMainMenu(WindowId::Subjects);
}

bool FormSubjects::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == list_ && enter) {
        Load(1);
        return true;
    }
    if (watched == list_ && key == Qt::Key_Delete) {
        Remove();
        return true;
    }
    if (watched == search_ && (enter || key == Qt::Key_Down) && model_.rowCount() > 0) {
        list_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void FormSubjects::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return Back();
    QWidget::keyPressEvent(event);
}

void FormSubjects::closeEvent(QCloseEvent* event) {
    event->ignore();  // the close box goes back to the main menu, like "Volver"
    Back();
}

}  // namespace orvanel
