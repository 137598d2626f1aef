#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TDialogkontext;
class TSkizzenflaeche;

// "Skizze": the sketch of the window position at the main grid's selected
// row, following the selection and every edit; modeless and resizable.
class TForm_Skizze : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Skizze(TDialogkontext& Kontext, QWidget* parent = nullptr);

    // Reads the selected row anew; the main-window refresh calls it.
    void Aktualisieren();

    const TSkizzenflaeche& Flaeche() const { return *m_Flaeche; }

protected:
    void showEvent(QShowEvent* Ereignis) override;

private:
    void Button_KopierenClick();
    void Button_SpeichernClick();
    QString Vorschlag() const;

    TDialogkontext& m_Kontext;
    QLabel* Label_Position;
    TSkizzenflaeche* m_Flaeche;
    QPushButton* Button_Kopieren;
    QPushButton* Button_Speichern;
    int m_Nummer = 0;
};
