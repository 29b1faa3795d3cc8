#include "helpviewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>

namespace kerbu {

static QString anchorOf(int context) {
    return QStringLiteral("topic%1").arg(context);
}

HelpViewer::HelpViewer(QString file) : file_(std::move(file)) {
    const QString path = file_.startsWith(QLatin1String("qrc:")) ? file_.mid(3) : file_;
    QFile help(path);
    if (help.open(QIODevice::ReadOnly))
        source_ = QString::fromUtf8(help.readAll());
}

HelpViewer::~HelpViewer() {
    close();
}

bool HelpViewer::hasTopic(int context) const {
    return source_.contains(QStringLiteral("name=\"%1\"").arg(anchorOf(context)));
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
        browser_->setSource(QUrl(file_ + QLatin1Char('#') + anchorOf(context)));
    } else {
        browser_->setHtml(
            QStringLiteral("<h2>Topic not found</h2><p>The help file has no topic number %1.</p>")
                .arg(context));
    }
    browser_->show();
    browser_->raise();
}

} // namespace kerbu
