// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>
#include <QString>
#include <QStringList>

namespace ope::registro {

// The version this build writes; a file at a higher one is left untouched.
int versioneSchema();

// The statements that bring a file from version `da` - 1 to `da`, in order.
// Kept as data so that a test can build a file as an earlier build left it.
QStringList passoMigrazione(int da);

// Opens one connection of its own to the file, with the settings every
// connection needs (WAL, the busy timeout, secure deletion). On failure the
// connection is removed and `errore` says why, in Italian.
QSqlDatabase apriConnessione(const QString& nome, const QString& percorso, QString* errore);
void chiudiConnessione(const QString& nome);

// Brings the file to versioneSchema() in one transaction; an empty file gets
// the whole schema. False, with `errore` in Italian, when it cannot.
bool migra(QSqlDatabase& db, QString* errore);

// Binds the values to the placeholders in order; an empty text stays a text,
// never NULL, as a null QString would otherwise be bound.
void lega(QSqlQuery& q, const QVariantList& valori);

// The text of the last error of a query or a connection, for stato().
QString testoErrore(const QSqlError& errore);

} // namespace ope::registro
