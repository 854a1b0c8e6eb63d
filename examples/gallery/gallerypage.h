#pragma once
#include "window/basewidget.h"

class QLabel;
class QVBoxLayout;

// One page of the gallery: a heading, a line saying what the page shows, the live widgets,
// and a result line at the bottom that tells what the last action gave back.
class GalleryPage : public BaseWidget
{
    Q_OBJECT
public:
    GalleryPage(const QString &title, const QString &intro, QWidget *parent, const QString &name);
    QString title() const;
    // Puts the page into the state its screenshot shows (dialogs open, data loaded).
    virtual void showcase() { }
    // False while the page still waits for something slow (a web page, a child process).
    virtual bool isSettled() const { return true; }
    QString resultText() const;

signals:
    // Asks the main window to bring this page to the front.
    void revealRequested();
    // Something finished that the user may have missed while on another page: the main
    // window's bell blinks until its list is opened.
    void notified(const QString &text);

protected:
    QVBoxLayout *content();
    void showResult(const QString &text);

private:
    QString m_title;
    QVBoxLayout *m_content;
    QLabel *m_result;
};
