// Runs a script of SQL statements, each ending with ";" at the end of a line (the schema).
#pragma once

#include <QSqlDatabase>
#include <QString>

bool FuehreSkriptAus(QSqlDatabase db, const QString& skript, QString* fehler = nullptr);
