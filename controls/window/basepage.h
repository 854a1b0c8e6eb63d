#pragma once

#include "window/basewidget.h"

// A parameter record of the client program; pages only pass it on by reference.
class DetailPageParam;

// A page of the client: remembers who owns it and can be handed page parameters.
class KWCONTROLS_EXPORT BasePage : public BaseWidget
{
    Q_OBJECT

public:
    explicit BasePage(QWidget *parent = 0, QString name = "");

    virtual void recvParam(const DetailPageParam &param, bool);

    void afterActive() override;
    void afterDeactive() override;

protected:
    QWidget *pageOwner;
};
