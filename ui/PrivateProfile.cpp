#include "ui/PrivateProfile.h"

#include <QWebEngineDownloadRequest>

QWebEngineProfile* NewPrivateProfile(QObject* parent) {
    auto* profile = new QWebEngineProfile(parent);
    profile->setSpellCheckEnabled(false);
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
    return profile;
}
