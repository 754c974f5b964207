// Button pictures from the icon resources or the style.
#include "ButtonIcon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "ResourceIcon.h"

QIcon ButtonIcon(const char* resourceName, QStyle::StandardPixmap fallback)
{
    const QIcon icon = ResourceIcon(resourceName);
    return icon.isNull() ? ButtonIcon(fallback) : icon;
}

QIcon ButtonIcon(QStyle::StandardPixmap standard)
{
    return QApplication::style()->standardIcon(standard);
}

QHBoxLayout* CentredButtonRow(QPushButton* left, QPushButton* right)
{
    const int width = std::max({ left->sizeHint().width(), right->sizeHint().width(), 96 });
    left->setMinimumWidth(width);
    right->setMinimumWidth(width);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(left);
    row->addSpacing(10);
    row->addWidget(right);
    row->addStretch();
    return row;
}
