#include "helpviewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>

namespace kerbu {

const QString helpFile = QStringLiteral("qrc:/help/kerbud1.html");

static QString anchorOf(int context) {
    return QStringLiteral("topic%1").arg(context);
}

static const QString& helpSource() {
    static const QString source = [] {
        QFile file(QStringLiteral(":/help/kerbud1.html"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return source;
}

HelpViewer& HelpViewer::instance() {
    static HelpViewer viewer;
    return viewer;
}

bool HelpViewer::hasTopic(int context) {
    return helpSource().contains(QStringLiteral("name=\"%1\"").arg(anchorOf(context)));
}

void HelpViewer::close() {
    delete browser_;
    browser_ = nullptr;
}

void HelpViewer::showTopic(int context) {
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setObjectName(QStringLiteral("helpViewer"));
        browser_->setWindowTitle(QStringLiteral("Kerbu! Help"));
        browser_->setOpenExternalLinks(false);
        browser_->resize(560, 480);
    }
    if (hasTopic(context)) {
        browser_->setSource(QUrl(helpFile + QLatin1Char('#') + anchorOf(context)));
    } else {
        browser_->setHtml(
            QStringLiteral("<h2>Topic not found</h2><p>The help file has no topic number %1.</p>")
                .arg(context));
    }
    browser_->show();
    browser_->raise();
}

} // namespace kerbu
