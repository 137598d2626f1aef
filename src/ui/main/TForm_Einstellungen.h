#pragma once

#include "archive/TAblageeinstellung.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Einstellungen…": where the archive is, on this computer or on a server,
// with a check of the connection. The password is kept for this run only.
class TForm_Einstellungen : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Einstellungen(QWidget* parent = nullptr);

    // Writes the settings and the password of this run; called on OK.
    void accept() override;

private:
    void Art_Gewechselt();
    void Verbindung_Pruefen();
    TAblageeinstellung Einstellung() const;

    QRadioButton* m_Lokal;
    QRadioButton* m_Server;
    QLineEdit* m_Host;
    QSpinBox* m_Port;
    QLineEdit* m_Datenbank;
    QLineEdit* m_Benutzer;
    QLineEdit* m_Passwort;
    QComboBox* m_Sslmode;
    QPushButton* m_Pruefen;
    QLabel* m_Ergebnis;
};
