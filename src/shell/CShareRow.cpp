// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CShareRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>

#include "controls/DialogUnits.h"

CShareRow::CShareRow(const std::string& folder, const std::string& name, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(DuX(4));
    grid->setVerticalSpacing(DuY(2));
    auto* label =
        new QLabel(QCoreApplication::translate(
                       "CShareRow", "Share my history with my other computers through the folder"),
                   this);
    label->setWordWrap(true);
    grid->addWidget(label, 0, 0, 1, 3);
    folder_ = new QLineEdit(QString::fromStdString(folder), this);
    folder_->setPlaceholderText(QCoreApplication::translate("CShareRow", "(not shared)"));
    label->setBuddy(folder_);
    folder_->setAccessibleName(QCoreApplication::translate("CShareRow", "Share folder"));
    browse_ = new QPushButton(QCoreApplication::translate("CShareRow", "Browse..."), this);
    grid->addWidget(folder_, 1, 0, 1, 2);
    grid->addWidget(browse_, 1, 2);
    auto* nameLabel =
        new QLabel(QCoreApplication::translate("CShareRow", "This computer's name there:"), this);
    grid->addWidget(nameLabel, 2, 0);
    name_ = new QLineEdit(QString::fromStdString(name), this);
    nameLabel->setBuddy(name_);
    name_->setMaxLength(64);
    grid->addWidget(name_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(browse_, &QPushButton::clicked, this, [this] { Browse(); });
}

std::string CShareRow::Folder() const {
    const QString text = folder_->text().trimmed();
    return text.isEmpty() ? std::string() : QDir::cleanPath(text).toStdString();
}

std::string CShareRow::Name() const {
    return name_->text().trimmed().toStdString();
}

void CShareRow::LoadDefault() {
    folder_->clear();
    name_->setText(QSysInfo::machineHostName());
}

std::string CShareRow::Problem() const {
    const std::string folder = Folder();
    if (folder.empty()) {
        return {};
    }
    const QFileInfo info(QString::fromStdString(folder));
    if (!info.isAbsolute() || !info.isDir()) {
        return QCoreApplication::translate("CShareRow", "The share folder %1 does not exist.")
            .arg(QString::fromStdString(folder))
            .toStdString();
    }
    return {};
}

void CShareRow::Browse() {
    const QString picked = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("CShareRow", "Share folder"), folder_->text().trimmed());
    if (!picked.isEmpty()) {
        folder_->setText(picked);
    }
}
