#include "ui/main/TForm_Ablage.h"

#include "archive/TVersionsvergleich.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "ui/main/TAblageanbindung.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/shared/Slotschutz.h"
#include "ui/shared/TDienste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

QString Zeit(const QDateTime& Wann)
{
    return Deutsch.toString(Wann, QStringLiteral("dd.MM.yyyy HH:mm"));
}

using S = TAblage::TSpalte;

} // namespace

// ------------------------------------------------------------ model

QVariant TAblagemodell::data(const QModelIndex& Index, int Rolle) const
{
    if (Rolle == Qt::TextAlignmentRole && (Index.column() == int(S::Positionen) || Index.column() == int(S::Gesamtsumme)))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const QVariant Wert = QSqlQueryModel::data(Index, Rolle);
    if (Rolle != Qt::DisplayRole)
        return Wert;
    switch (S(Index.column())) {
    case S::Gesamtsumme: return TAblage::Betrag(Wert.toLongLong(), Deutsch);
    case S::Gespeichert: return Zeit(QDateTime::fromMSecsSinceEpoch(Wert.toLongLong()));
    default: return Wert;
    }
}

QVariant TAblagemodell::headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const
{
    static const QStringList Titel = {"Nummer", "Datum", "Rechnungsempfänger", "Ansprechpartner", "Bauvorhaben",
                                      "Pos.", "Summe", "Status", "Gespeichert", "von"};
    if (Richtung == Qt::Horizontal && Rolle == Qt::DisplayRole && Abschnitt < Titel.size())
        return Titel[Abschnitt];
    return QSqlQueryModel::headerData(Abschnitt, Richtung, Rolle);
}

void TAblagemodell::sort(int Spalte, Qt::SortOrder Richtung)
{
    if (Spalte < 0 || Spalte >= int(S::Anzahl) || !m_Ablage)
        return;
    m_Suche.Sortierung = S(Spalte);
    m_Suche.Richtung = Richtung;
    Suchen(*m_Ablage, m_Suche);
}

void TAblagemodell::Suchen(TAblage& Ablage, TAblage::TSuche Suche)
{
    m_Ablage = &Ablage;
    Suche.Sortierung = m_Suche.Sortierung;
    Suche.Richtung = m_Suche.Richtung;
    m_Suche = Suche;
    try {
        setQuery(Ablage.Suchen(m_Suche));
    } catch (const EAblagefehler&) {
        clear();
        emit Nicht_Erreichbar();
    }
}

void TAblagemodell::Leeren()
{
    clear();
    m_Ablage = nullptr;
}

QString TAblagemodell::Kennung(int Zeile) const
{
    return QSqlQueryModel::data(index(Zeile, int(S::Anzahl))).toString();
}

// ------------------------------------------------------------ window

TForm_Ablage::TForm_Ablage(TForm_Haupt& Haupt, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_Haupt(Haupt)
    , m_Modell(new TAblagemodell(this))
{
    setObjectName(QStringLiteral("TForm_Ablage"));
    setWindowTitle(QStringLiteral("Ablage"));
    resize(1240, 640);

    m_Suche = new QLineEdit(this);
    m_Suche->setObjectName(QStringLiteral("Edit_Suche"));
    m_Suche->setPlaceholderText(QStringLiteral("Suchen: Nummer, Rechnungsempfänger, Ansprechpartner, Bauvorhaben …"));
    m_Suche->setClearButtonEnabled(true);
    m_Status = new QComboBox(this);
    m_Status->setObjectName(QStringLiteral("CB_Status"));
    m_Status->addItem(QStringLiteral("Jeder Status"));
    m_Status->addItems(TAblage::Statuswerte());
    m_Zeitraum = new QCheckBox(QStringLiteral("Datum von"), this);
    m_Zeitraum->setObjectName(QStringLiteral("CB_Zeitraum"));
    m_Von = new QDateEdit(QDate::currentDate().addMonths(-3), this);
    m_Von->setObjectName(QStringLiteral("Datum_Von"));
    m_Bis = new QDateEdit(QDate::currentDate(), this);
    m_Bis->setObjectName(QStringLiteral("Datum_Bis"));
    for (QDateEdit* Feld : {m_Von, m_Bis}) {
        Feld->setCalendarPopup(true);
        Feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        Feld->setEnabled(false);
        Feld->setMinimumWidth(Feld->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 40);
    }
    auto* Filter = new QHBoxLayout;
    Filter->addWidget(m_Suche, 1);
    Filter->addWidget(m_Status);
    Filter->addWidget(m_Zeitraum);
    Filter->addWidget(m_Von);
    Filter->addWidget(new QLabel(QStringLiteral("bis"), this));
    Filter->addWidget(m_Bis);

    m_Tabelle = new QTableView(this);
    m_Tabelle->setObjectName(QStringLiteral("Tabelle_Bestellungen"));
    m_Tabelle->setModel(m_Modell);
    m_Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Tabelle->setSortingEnabled(true);
    m_Tabelle->horizontalHeader()->setSortIndicator(int(S::Gespeichert), Qt::DescendingOrder);
    m_Tabelle->verticalHeader()->hide();
    m_Tabelle->verticalHeader()->setDefaultSectionSize(m_Tabelle->fontMetrics().height() + 6);
    m_Versionen = new QTableWidget(0, 4, this);
    m_Versionen->setObjectName(QStringLiteral("Tabelle_Versionen"));
    m_Versionen->setHorizontalHeaderLabels({"Fassung", "Gespeichert", "von", "Summe"});
    m_Versionen->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Versionen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Versionen->verticalHeader()->hide();
    m_Versionen->horizontalHeader()->setStretchLastSection(true);
    m_Versionen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_Oeffnen = new QPushButton(QStringLiteral("Öffnen"), this);
    m_Oeffnen->setObjectName(QStringLiteral("Button_Oeffnen"));
    m_Version_Oeffnen = new QPushButton(QStringLiteral("Fassung öffnen"), this);
    m_Version_Oeffnen->setObjectName(QStringLiteral("Button_Version_Oeffnen"));
    m_Vergleichen = new QPushButton(QStringLiteral("Vergleichen"), this);
    m_Vergleichen->setObjectName(QStringLiteral("Button_Vergleichen"));
    m_Vergleichen->setToolTip(QStringLiteral("Zwei Fassungen wählen (Strg+Klick); ohne Wahl die zwei neuesten"));
    m_Neuer_Status = new QComboBox(this);
    m_Neuer_Status->setObjectName(QStringLiteral("CB_Neuer_Status"));
    m_Neuer_Status->addItems(TAblage::Statuswerte());
    m_Status_Setzen = new QPushButton(QStringLiteral("Status setzen"), this);
    m_Status_Setzen->setObjectName(QStringLiteral("Button_Status_Setzen"));
    m_Verlauf = new QLabel(this);
    m_Verlauf->setObjectName(QStringLiteral("Label_Verlauf"));
    m_Verlauf->setWordWrap(true);
    m_Verlauf->setTextFormat(Qt::PlainText);
    m_Verlauf->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* Rechts = new QWidget(this);
    auto* Spalte = new QVBoxLayout(Rechts);
    Spalte->setContentsMargins(0, 0, 0, 0);
    Spalte->addWidget(m_Oeffnen);
    Spalte->addWidget(new QLabel(QStringLiteral("Fassungen:"), Rechts));
    Spalte->addWidget(m_Versionen, 1);
    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addWidget(m_Version_Oeffnen);
    Knoepfe->addWidget(m_Vergleichen);
    Spalte->addLayout(Knoepfe);
    auto* Statuszeile = new QHBoxLayout;
    Statuszeile->addWidget(m_Neuer_Status, 1);
    Statuszeile->addWidget(m_Status_Setzen);
    Spalte->addLayout(Statuszeile);
    Spalte->addWidget(m_Verlauf);

    auto* Teiler = new QSplitter(this);
    Teiler->addWidget(m_Tabelle);
    Teiler->addWidget(Rechts);
    Teiler->setStretchFactor(0, 3);
    Teiler->setStretchFactor(1, 1);
    Teiler->setSizes({920, 300});

    m_Hinweis = new QLabel(this);
    m_Hinweis->setObjectName(QStringLiteral("Label_Hinweis"));
    m_Hinweis->setWordWrap(true);
    m_Hinweis->hide();

    auto* Aussen = new QVBoxLayout(this);
    Aussen->addLayout(Filter);
    Aussen->addWidget(m_Hinweis);
    Aussen->addWidget(Teiler, 1);

    Slotschutz::Verbinden(m_Suche, &QLineEdit::textChanged, this, &TForm_Ablage::Suchen);
    Slotschutz::Verbinden(m_Modell, &TAblagemodell::Nicht_Erreichbar, this, [this] { Hinweis_Zeigen(false); });
    Slotschutz::Verbinden(m_Status, &QComboBox::currentIndexChanged, this, &TForm_Ablage::Suchen);
    Slotschutz::Verbinden(m_Zeitraum, &QCheckBox::toggled, this, [this](bool An) {
        m_Von->setEnabled(An);
        m_Bis->setEnabled(An);
        Suchen();
    });
    for (QDateEdit* Feld : {m_Von, m_Bis})
        Slotschutz::Verbinden(Feld, &QDateEdit::dateChanged, this, &TForm_Ablage::Suchen);
    Slotschutz::Verbinden(m_Modell, &QAbstractItemModel::modelReset, this, &TForm_Ablage::Auswahl_Geaendert);
    Slotschutz::Verbinden(m_Tabelle->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                          &TForm_Ablage::Auswahl_Geaendert);
    Slotschutz::Verbinden(m_Tabelle, &QTableView::activated, this, &TForm_Ablage::Oeffnen);
    Slotschutz::Verbinden(m_Oeffnen, &QPushButton::clicked, this, &TForm_Ablage::Oeffnen);
    Slotschutz::Verbinden(m_Version_Oeffnen, &QPushButton::clicked, this, &TForm_Ablage::Version_Oeffnen);
    Slotschutz::Verbinden(m_Versionen, &QTableWidget::cellDoubleClicked, this, &TForm_Ablage::Version_Oeffnen);
    Slotschutz::Verbinden(m_Vergleichen, &QPushButton::clicked, this, &TForm_Ablage::Vergleichen);
    Slotschutz::Verbinden(m_Status_Setzen, &QPushButton::clicked, this, &TForm_Ablage::Status_Setzen);
    // Enter in the search field opens the first match.
    Slotschutz::Verbinden(m_Suche, &QLineEdit::returnPressed, this, [this] {
        if (m_Modell->rowCount() > 0) {
            m_Tabelle->selectRow(std::max(0, m_Tabelle->currentIndex().row()));
            Oeffnen();
        }
    });
}

TAblage* TForm_Ablage::Ablage() const
{
    return m_Haupt.Ablageanbindung() ? m_Haupt.Ablageanbindung()->Ablage() : nullptr;
}

void TForm_Ablage::Zeigen()
{
    Suchen();
    show();
    raise();
    activateWindow();
    m_Suche->setFocus();
    m_Suche->selectAll();
}

void TForm_Ablage::Hinweis_Zeigen(bool Erreichbar)
{
    TAblageanbindung* Anbindung = m_Haupt.Ablageanbindung();
    if (!Erreichbar && Anbindung)
        Anbindung->Verbindung_Verloren();
    const int Wartend = Anbindung ? Anbindung->Wartende_Versionen() : 0;
    QString Text;
    if (!Erreichbar)
        Text = QStringLiteral("Die Ablage ist nicht erreichbar: die Suche zeigt nichts Aktuelles.");
    else if (Wartend > 0)
        Text = (Wartend == 1 ? QStringLiteral("1 Fassung wartet")
                             : QStringLiteral("%1 Fassungen warten").arg(Wartend))
               + QStringLiteral(" auf diesem Rechner auf die Ablage: die Suche zeigt nicht alles Aktuelle.");
    m_Hinweis->setText(Text);
    m_Hinweis->setVisible(!Text.isEmpty());
}

void TForm_Ablage::Ort_Gewechselt()
{
    m_Modell->Leeren();
    m_Versionen->setRowCount(0);
    m_Verlauf->clear();
    if (isVisible())
        QTimer::singleShot(0, this, &TForm_Ablage::Suchen);
}

void TForm_Ablage::Suchen()
{
    const TAblageanbindung* Anbindung = m_Haupt.Ablageanbindung();
    TAblage* A = Anbindung && Anbindung->Kuerzlich_Gescheitert() ? nullptr : Ablage();
    if (!A) {
        m_Modell->clear();
        Hinweis_Zeigen(false);
        return;
    }
    Hinweis_Zeigen(true);
    TAblage::TSuche Suche;
    Suche.Text = m_Suche->text();
    Suche.Status = m_Status->currentIndex() > 0 ? m_Status->currentText() : QString();
    if (m_Zeitraum->isChecked()) {
        Suche.Von = m_Von->date();
        Suche.Bis = m_Bis->date();
    }
    m_Modell->Suchen(*A, Suche);
    if (!m_Breiten_Gesetzt) {
        // Rows are read as the list scrolls, so the columns take widths of their own, never narrower than their title.
        static constexpr int Breiten[] = {80, 85, 190, 150, 170, 45, 85, 80, 115, 80};
        for (int Spalte = 0; Spalte < int(std::size(Breiten)); ++Spalte) {
            const QString Titel = m_Modell->headerData(Spalte, Qt::Horizontal).toString();
            m_Tabelle->setColumnWidth(Spalte,
                                      std::max(Breiten[Spalte], m_Tabelle->fontMetrics().horizontalAdvance(Titel) + 28));
        }
        m_Tabelle->setColumnHidden(int(TAblage::TSpalte::Anzahl), true);
        m_Breiten_Gesetzt = true;
    }
    if (m_Modell->rowCount() > 0)
        m_Tabelle->selectRow(0);
}

QString TForm_Ablage::Gewaehlte_Kennung() const
{
    const QModelIndex Aktuell = m_Tabelle->currentIndex();
    return Aktuell.isValid() ? m_Modell->Kennung(Aktuell.row()) : QString();
}

void TForm_Ablage::Auswahl_Geaendert()
{
    const QString Kennung = Gewaehlte_Kennung();
    for (QWidget* W : std::initializer_list<QWidget*>{m_Oeffnen, m_Version_Oeffnen, m_Vergleichen, m_Status_Setzen,
                                                      m_Neuer_Status})
        W->setEnabled(!Kennung.isEmpty());
    Versionen_Fuellen(Kennung);
}

void TForm_Ablage::Versionen_Fuellen(const QString& Kennung)
{
    m_Versionen->setRowCount(0);
    m_Verlauf->clear();
    TAblage* A = Ablage();
    if (!A || Kennung.isEmpty())
        return;
    const std::vector<TAblage::TVersion> Liste = A->Versionen(Kennung);
    m_Versionen->setRowCount(int(Liste.size()));
    // The newest first.
    for (int Zeile = 0; Zeile < int(Liste.size()); ++Zeile) {
        const TAblage::TVersion& V = Liste[Liste.size() - 1 - std::size_t(Zeile)];
        const QStringList Texte = {QString::number(V.Nr), Zeit(V.Zeit), V.Benutzer, TAblage::Betrag(V.Gesamtsumme, Deutsch)};
        for (int Spalte = 0; Spalte < Texte.size(); ++Spalte) {
            auto* Zelle = new QTableWidgetItem(Texte[Spalte]);
            Zelle->setData(Qt::UserRole, V.Nr);
            // A tool tip guesses rich text; a path is shown as the text it is.
            Zelle->setToolTip(QStringLiteral("<qt>%1</qt>").arg(V.Pfad.toHtmlEscaped()));
            m_Versionen->setItem(Zeile, Spalte, Zelle);
        }
    }
    m_Versionen->resizeColumnsToContents();
    QStringList Verlauf;
    for (const TAblage::TStatuswechsel& W : A->Statusverlauf(Kennung))
        Verlauf << QStringLiteral("%1: %2 (%3)").arg(Zeit(W.Zeit), W.Status, W.Benutzer);
    m_Verlauf->setText(QStringLiteral("Status:\n") + Verlauf.join(QLatin1Char('\n')));
    if (const auto Info = A->Bestellung(Kennung))
        m_Neuer_Status->setCurrentText(Info->Status);
}

void TForm_Ablage::Oeffnen()
{
    const QString Kennung = Gewaehlte_Kennung();
    TAblage* A = Ablage();
    if (A && !Kennung.isEmpty() && m_Haupt.Aus_Ablage_Oeffnen(A->Inhalt(Kennung), Kennung, true))
        m_Haupt.activateWindow();
}

void TForm_Ablage::Version_Oeffnen()
{
    const QString Kennung = Gewaehlte_Kennung();
    TAblage* A = Ablage();
    const int Zeile = m_Versionen->currentRow();
    if (!A || Kennung.isEmpty() || Zeile < 0)
        return;
    const int Nr = m_Versionen->item(Zeile, 0)->data(Qt::UserRole).toInt();
    if (m_Haupt.Aus_Ablage_Oeffnen(A->Inhalt(Kennung, Nr), Kennung, Zeile == 0))
        m_Haupt.activateWindow();
}

void TForm_Ablage::Vergleichen()
{
    const QString Kennung = Gewaehlte_Kennung();
    TAblage* A = Ablage();
    if (!A || Kennung.isEmpty() || m_Versionen->rowCount() < 2)
        return;
    // The two chosen versions, else the two newest; the older one first.
    std::vector<int> Nummern;
    for (const QModelIndex& Zeile : m_Versionen->selectionModel()->selectedRows())
        Nummern.push_back(m_Versionen->item(Zeile.row(), 0)->data(Qt::UserRole).toInt());
    if (Nummern.size() != 2)
        Nummern = {m_Versionen->item(1, 0)->data(Qt::UserRole).toInt(), m_Versionen->item(0, 0)->data(Qt::UserRole).toInt()};
    std::sort(Nummern.begin(), Nummern.end());
    TBestellung Alt, Neu;
    const auto Lesen = [&](int Nr, TBestellung& Ziel) {
        const Bestelldatei::TErgebnis E =
            Bestelldatei::Bestellung_Lesen(A->Inhalt(Kennung, Nr), Ziel, QStringLiteral("Fassung %1").arg(Nr));
        if (!E)
            TDienste::Aktuell().Fehler(this, E.Fehlertext);
        return bool(E);
    };
    if (!Lesen(Nummern[0], Alt) || !Lesen(Nummern[1], Neu))
        return;
    Vergleich_Oeffnen(
        QStringLiteral("%1: Fassung %2 → Fassung %3").arg(A->Bestellung(Kennung)->Nummer).arg(Nummern[0]).arg(Nummern[1]),
        Alt, Neu);
}

void TForm_Ablage::Mit_Eigener_Vergleichen(const QString& Kennung, int Nr, const TBestellung& Eigene)
{
    TAblage* A = Ablage();
    if (!A)
        return;
    const auto Info = A->Bestellung(Kennung);
    m_Suche->setText(Info ? Info->Nummer : QString());
    Zeigen();
    TBestellung Andere;
    const Bestelldatei::TErgebnis E =
        Bestelldatei::Bestellung_Lesen(A->Inhalt(Kennung, Nr), Andere, QStringLiteral("Fassung %1").arg(Nr));
    if (!E) {
        TDienste::Aktuell().Fehler(this, E.Fehlertext);
        return;
    }
    Vergleich_Oeffnen(QStringLiteral("%1: Fassung %2 → Ihre Fassung").arg(Info ? Info->Nummer : QString()).arg(Nr),
                      Andere, Eigene);
}

void TForm_Ablage::Vergleich_Oeffnen(const QString& Titel, const TBestellung& Alt, const TBestellung& Neu)
{
    auto* Dialog = new QDialog(this);
    Dialog->setAttribute(Qt::WA_DeleteOnClose);
    Dialog->setObjectName(QStringLiteral("Vergleich"));
    Dialog->setWindowTitle(Titel);
    auto* Text = new QPlainTextEdit(Versionsvergleich::Unterschiede(Alt, Neu).join(QLatin1Char('\n')), Dialog);
    Text->setObjectName(QStringLiteral("Text_Unterschiede"));
    Text->setReadOnly(true);
    auto* Knopf = new QDialogButtonBox(QDialogButtonBox::Close, Dialog);
    Knopf->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    Slotschutz::Verbinden(Knopf, &QDialogButtonBox::rejected, Dialog, &QDialog::reject);
    auto* Rahmen = new QVBoxLayout(Dialog);
    Rahmen->addWidget(Text);
    Rahmen->addWidget(Knopf);
    Dialog->resize(720, 360);
    Dialog->show();
}

void TForm_Ablage::Status_Setzen()
{
    const QString Kennung = Gewaehlte_Kennung();
    TAblage* A = Ablage();
    if (!A || Kennung.isEmpty())
        return;
    try {
        A->Status_Setzen(Kennung, m_Neuer_Status->currentText());
    } catch (const EFehler& F) {
        TDienste::Aktuell().Fehler(this, F.Meldung());
        return;
    }
    const int Zeile = m_Tabelle->currentIndex().row();
    Suchen();
    if (Zeile >= 0 && Zeile < m_Modell->rowCount())
        m_Tabelle->selectRow(Zeile);
}
