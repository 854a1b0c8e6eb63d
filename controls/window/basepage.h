#pragma once

/// \file
/// BasePage: a page of the client.

#include "window/basewidget.h"

// A parameter record of the client program; pages only pass it on by reference.
class DetailPageParam;

/// A page of the client: remembers who owns it and can be handed page parameters.
///
/// Subclasses override recvParam() to take the client's parameter record, and afterActive() and
/// afterDeactive() to follow becoming the current page; the library's versions do nothing.
///
/// Ownership: as any QWidget. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT BasePage : public BaseWidget
{
    Q_OBJECT

public:
    /// A page under `parent`, which it remembers as its owner; `name` is its path on the bus.
    explicit BasePage(QWidget *parent = 0, QString name = "");

    /// Hands the page the client's parameter record. The default does nothing.
    virtual void recvParam(const DetailPageParam &param, bool);

    /// Does nothing: pages that care override it.
    void afterActive() override;
    /// Does nothing: pages that care override it.
    void afterDeactive() override;

protected:
    /// The Qt parent given to the constructor; not updated when the parent changes.
    QWidget *pageOwner;
};
