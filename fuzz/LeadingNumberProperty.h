#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any version text: reading its leading number gives a
// finite number or the overflow failure and nothing else; text after the
// number and skipped characters before it change nothing; a minus sign in
// front of a number that begins with a digit negates it. The input is a
// version file's bytes. Returns what went wrong, or an empty text.
namespace LeadingNumberProperty {

QString check(const QByteArray &versionFile);

} // namespace LeadingNumberProperty
