#pragma once
// Driving a modal dialog that a command opens with exec(): the script runs
// once the dialog is shown, and must close it.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace mobrix::teste {

class RoteiroModal {
public:
    explicit RoteiroModal(std::function<void(QDialog*)> roteiro) : roteiro_(std::move(roteiro)) {
        QObject::connect(&relogio_, &QTimer::timeout, [this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) return;
            relogio_.stop();
            aberto_ = d->objectName();
            roteiro_(d);
            // A script that left the dialog open would hang the test.
            if (d->isVisible()) d->reject();
        });
        relogio_.start(5);
    }

    // The object name of the dialog the script ran on; empty when none opened.
    const QString& Aberto() const { return aberto_; }

private:
    std::function<void(QDialog*)> roteiro_;
    QTimer relogio_;
    QString aberto_;
};

}  // namespace mobrix::teste
