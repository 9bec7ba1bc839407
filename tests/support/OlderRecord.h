#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Makes the record file at path look as an older program left it: the
// table a later version added is dropped and the schema version set back
// to the one before it, so that the next open runs the migration again.
[[nodiscard]] inline bool setBackRecord(const QString &path, const QString &table, int version)
{
    const QString connection = QStringLiteral("older record");
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            done = q.exec(QStringLiteral("DROP TABLE ") + table) &&
                   q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}
