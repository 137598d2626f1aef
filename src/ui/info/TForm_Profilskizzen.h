#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class TBildflaeche;

// The profile sketches: a list of 24 sheets and the chosen sheet. The window
// stays above the others and keeps the chosen sheet between openings.
class TForm_Profilskizzen : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Blattzahl = 24;

    explicit TForm_Profilskizzen(QWidget* parent = nullptr);

    // The texts of the sheet list, in order.
    static const std::array<QString, Blattzahl>& Blatttitel();

private:
    void ComboBox_BlattChange(int Index);

    QComboBox* m_Auswahl = nullptr;
    TBildflaeche* m_Blatt = nullptr;
    std::array<TBildflaeche*, Blattzahl> m_Blaetter{};
};
