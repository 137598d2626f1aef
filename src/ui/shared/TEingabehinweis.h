#pragma once

#include <QLabel>

class QTimer;

// A short note beside an entry field that refused what was typed: no message
// box to click away, it shows for a few seconds and goes. One per window; a
// new note replaces the one shown.
class TEingabehinweis : public QLabel
{
    Q_OBJECT

public:
    static constexpr int Anzeigedauer_ms = 5000;

    static void Zeigen(QWidget& Feld, const QString& Text);

private:
    explicit TEingabehinweis(QWidget* Fenster);
    void Anordnen(const QWidget& Feld);

    QTimer* m_Uhr;
};
