#pragma once
// XML checks shared by the filing-document tests.
#include <QProcess>
#include <QString>
#include <QXmlStreamReader>

// xmllint's verdict on a text; its messages on failure.
inline bool xmllintAccepts(const QString &xml, QString *messages)
{
    QProcess p;
    p.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("-")});
    if (!p.waitForStarted())
        return false;
    p.write(xml.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished();
    *messages = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The text of the first element of the tag (prefix:name); "<absent>" when there is none.
inline QString elementText(const QString &xml, const QString &tag)
{
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == tag)
            return r.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return r.hasError() ? QStringLiteral("<unparsed>") : QStringLiteral("<absent>");
}
