#include "window/basepage.h"

BasePage::BasePage(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , pageOwner(parent)
{
}

void BasePage::recvParam(const DetailPageParam &, bool) { }

void BasePage::afterActive() { }

void BasePage::afterDeactive() { }
