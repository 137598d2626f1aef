#pragma once

#include "archive/TAblage.h"

#include <QSqlQueryModel>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class TBestellung;
class TForm_Haupt;

// The archive's orders as the list shows them: fetched as the view scrolls,
// amounts and times in German, sorted by the database.
class TAblagemodell : public QSqlQueryModel
{
    Q_OBJECT

public:
    using QSqlQueryModel::QSqlQueryModel;
    QVariant data(const QModelIndex& Index, int Rolle = Qt::DisplayRole) const override;
    QVariant headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle = Qt::DisplayRole) const override;
    void sort(int Spalte, Qt::SortOrder Richtung) override;

    // Runs the search with the sorting last chosen.
    void Suchen(TAblage& Ablage, TAblage::TSuche Suche);
    QString Kennung(int Zeile) const;
    // Ends the query; the archive is about to close.
    void Leeren();

signals:
    // A search failed, the server out of reach; the list is empty.
    void Nicht_Erreichbar();

private:
    TAblage* m_Ablage = nullptr;
    TAblage::TSuche m_Suche;
};

// "Ablage…": every archived order, found as one types, with its versions,
// their comparison and the order's status.
class TForm_Ablage : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Ablage(TForm_Haupt& Haupt, QWidget* parent = nullptr);

    // Shows the window with the search run afresh.
    void Zeigen();
    TAblagemodell& Modell() { return *m_Modell; }
    // The archive moves elsewhere: nothing of the old one is shown or queried.
    void Ort_Gewechselt();
    // Shows the order and what Eigene, not archived, changes against its version Nr.
    void Mit_Eigener_Vergleichen(const QString& Kennung, int Nr, const TBestellung& Eigene);

private:
    void Suchen();
    void Hinweis_Zeigen(bool Erreichbar);
    void Auswahl_Geaendert();
    void Versionen_Fuellen(const QString& Kennung);
    void Oeffnen();
    void Version_Oeffnen();
    void Vergleichen();
    void Vergleich_Oeffnen(const QString& Titel, const TBestellung& Alt, const TBestellung& Neu);
    void Status_Setzen();
    QString Gewaehlte_Kennung() const;
    TAblage* Ablage() const;

    TForm_Haupt& m_Haupt;
    TAblagemodell* m_Modell;
    QLineEdit* m_Suche;
    QComboBox* m_Status;
    QCheckBox* m_Zeitraum;
    QDateEdit* m_Von;
    QDateEdit* m_Bis;
    QTableView* m_Tabelle;
    QTableWidget* m_Versionen;
    QPushButton* m_Oeffnen;
    QPushButton* m_Version_Oeffnen;
    QPushButton* m_Vergleichen;
    QComboBox* m_Neuer_Status;
    QPushButton* m_Status_Setzen;
    QLabel* m_Verlauf;
    QLabel* m_Hinweis;
    bool m_Breiten_Gesetzt = false;
};
