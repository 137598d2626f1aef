#include "ui/shared/Slotschutz.h"

#include "base/Fehler.h"
#include "ui/shared/TDienste.h"

#include <QApplication>

namespace Slotschutz {

QString Meldung(std::exception_ptr Ausnahme)
{
    try {
        std::rethrow_exception(Ausnahme);
    } catch (const EFehler& F) {
        return F.Meldung();
    } catch (const std::exception& F) {
        return QString::fromLocal8Bit(F.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}

void Spaeter_Melden(const QString& Meldung)
{
    QCoreApplication* Anwendung = QCoreApplication::instance();
    if (Anwendung == nullptr)
        return;
    QMetaObject::invokeMethod(
        Anwendung, [Meldung] { TDienste::Aktuell().Fehler(QApplication::activeWindow(), Meldung); },
        Qt::QueuedConnection);
}

} // namespace Slotschutz
