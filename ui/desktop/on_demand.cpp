// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/on_demand.h"

#include "ui/desktop/jpeg_decoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace volcalc::ui {
namespace {

struct Loaded {
    const OnDemandFunctions* Functions = nullptr;
    QString Problem;
};

Loaded Load() {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(VOLCALC_ON_DEMAND_MODULE);
    const QStringList places = {folder + QLatin1Char('/') + name,
                                folder + QStringLiteral("/" VOLCALC_ON_DEMAND_FOLDER "/") + name};
    Loaded loaded{
        nullptr,
        name + QStringLiteral(" was found neither beside the program nor in " VOLCALC_ON_DEMAND_FOLDER)};
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) {
            continue;
        }
        // Kept loaded until the program ends: QLibrary unloads only when asked to.
        QLibrary module(place);
        using Entry = const OnDemandFunctions* (*)();
        if (const auto entry = reinterpret_cast<Entry>(module.resolve(OnDemandEntry))) {
            return {entry(), {}};
        }
        loaded.Problem = module.errorString();
    }
    return loaded;
}

const Loaded& Module() {
    static const Loaded loaded = Load();
    return loaded;
}

} // namespace

const OnDemandFunctions* OnDemand() {
    return Module().Functions;
}

QString OnDemandProblem() {
    return Module().Problem;
}

QImage DecodeJpeg(const QByteArray& bytes) {
    const OnDemandFunctions* module = OnDemand();
    return module ? module->DecodeJpeg(bytes) : QImage();
}

} // namespace volcalc::ui
