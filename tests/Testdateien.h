#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// The files the tests read and write: the golden and broken orders under
// tests/data, and the bytes of whatever a test wrote.
inline QString Testdatei(const char* Name)
{
    return QStringLiteral(QUADROLIS_TESTDATEN "/") + QLatin1String(Name);
}

inline QByteArray Inhalt(const QString& Pfad)
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

inline void Schreiben(const QString& Pfad, const QByteArray& Bytes)
{
    QFile Datei(Pfad);
    ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    ASSERT_EQ(Datei.write(Bytes), Bytes.size());
}
