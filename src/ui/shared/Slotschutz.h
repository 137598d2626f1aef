#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <tuple>
#include <type_traits>
#include <utility>

// Qt leaves an exception that leaves a slot undefined. Every slot the program
// connects runs inside this guard instead: the program's error becomes the
// "Fehler" dialog, shown through a queued call once the signal has returned.
namespace Slotschutz {

// The message for an escaped exception: the program's own text, the
// standard library's, or "Unbekannter Fehler".
QString Meldung(std::exception_ptr Ausnahme);
// Shows Meldung in the "Fehler" dialog from the event loop.
void Spaeter_Melden(const QString& Meldung);

namespace Detail {

template <typename F>
struct TAufruf : TAufruf<decltype(&F::operator())>
{
};
template <typename K, typename R, typename... A>
struct TAufruf<R (K::*)(A...)>
{
    using Klasse = K;
    using Argumente = std::tuple<A...>;
};
template <typename K, typename R, typename... A>
struct TAufruf<R (K::*)(A...) const> : TAufruf<R (K::*)(A...)>
{
};
template <typename R, typename... A>
struct TAufruf<R (*)(A...)>
{
    using Argumente = std::tuple<A...>;
};

template <typename F, typename... A>
auto Huelle(F Handler, std::tuple<A...>*)
{
    return [Handler = std::move(Handler)](A... Argumente) mutable noexcept {
        try {
            Handler(std::forward<A>(Argumente)...);
        } catch (...) {
            Spaeter_Melden(Meldung(std::current_exception()));
        }
    };
}

template <typename K, typename M, typename... A>
auto Huelle(K* Objekt, M Methode, std::tuple<A...>*)
{
    return [Objekt, Methode](A... Argumente) noexcept {
        try {
            (Objekt->*Methode)(std::forward<A>(Argumente)...);
        } catch (...) {
            Spaeter_Melden(Meldung(std::current_exception()));
        }
    };
}

} // namespace Detail

// Handler (a lambda or function object with one call operator) inside the guard.
template <typename F>
auto Geschuetzt(F Handler)
{
    using Argumente = typename Detail::TAufruf<F>::Argumente;
    return Detail::Huelle(std::move(Handler), static_cast<Argumente*>(nullptr));
}

// Objekt's member function inside the guard.
template <typename K, typename M>
    requires std::is_member_function_pointer_v<M>
auto Geschuetzt(K* Objekt, M Methode)
{
    using Argumente = typename Detail::TAufruf<M>::Argumente;
    return Detail::Huelle(Objekt, Methode, static_cast<Argumente*>(nullptr));
}

// QObject::connect with the slot inside the guard; Kontext ends the connection
// when it is destroyed, as with connect.
template <typename S, typename Signal, typename F>
QMetaObject::Connection Verbinden(const S* Sender, Signal Signal_, const QObject* Kontext, F Handler,
                                  Qt::ConnectionType Art = Qt::AutoConnection)
{
    return QObject::connect(Sender, Signal_, Kontext, Geschuetzt(std::move(Handler)), Art);
}

// The same for a member function of Empfaenger.
template <typename S, typename Signal, typename K, typename M>
    requires std::is_member_function_pointer_v<M>
QMetaObject::Connection Verbinden(const S* Sender, Signal Signal_, K* Empfaenger, M Methode,
                                  Qt::ConnectionType Art = Qt::AutoConnection)
{
    return QObject::connect(Sender, Signal_, Empfaenger, Geschuetzt(Empfaenger, Methode), Art);
}

} // namespace Slotschutz
