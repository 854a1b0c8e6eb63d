#pragma once
#include "gallerypage.h"

#include <QSet>

class FrozenTableView;
class QuoteModel;
class QScrollBar;

// A quote list of 100,000 generated rows in a frozen table (index rows and code columns stay
// put) that sorts by any column on a header click, with the configured "quoteList" context menu. Other pages open a stock here by
// sending its code over the bus.
class QuoteTablePage : public GalleryPage
{
    Q_OBJECT
public:
    explicit QuoteTablePage(QWidget *parent);
    void onMessage(const QString &from, const std::map<QString, QString> &params) override;
    void showcase() override;

private:
    void openMenu(const QPoint &pos);
    void goToRow(int row);
    QString describe(int row) const;
    void fitSections();

    QuoteModel *m_model;
    QScrollBar *m_hbar;
    QScrollBar *m_vbar;
    FrozenTableView *m_table;
    QSet<QString> m_watchlist;
};
