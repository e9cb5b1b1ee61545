// The tree as the viewer shows it: rows, texts, colours, bold, order and
// images from the outline, children made rows once, when first opened.
#include "frontends/qt/tree/OutlineModel.h"
#include "frontends/qt/viewer/Settings.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "model/Book.h"
#include "model/SiblingOrder.h"
#include "tests/kit/Icons.h"
#include "tests/qt/QtTestSupport.h"

#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

using namespace qttest;
using qtviewer::OutlineModel;

namespace {

using kit::Page;

// Every row, indented two spaces a level: its text, "*" when bold, its own
// colour as #rrggbb, "+" when it has children that are not rows yet.
QString Dump(const QAbstractItemModel& model, const QModelIndex& parent = {}, int depth = 0)
{
    QString out;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        out += QString(depth * 2, QLatin1Char(' ')) + index.data().toString();
        if (index.data(Qt::FontRole).value<QFont>().bold())
            out += QStringLiteral(" *");
        if (const QVariant brush = index.data(Qt::ForegroundRole); brush.isValid())
            out += QLatin1Char(' ') + brush.value<QBrush>().color().name();
        if (model.canFetchMore(index))
            out += QStringLiteral(" +");
        out += QLatin1Char('\n') + Dump(model, index, depth + 1);
    }
    return out;
}

// Labels: 1 red and bold, 2 blue. Folder 2 sorts its children by title,
// descending; the root keeps the book's order, folders first.
kit::BookSpec LookBook()
{
    kit::BookSpec book = kit::BookOf({Page(1, 1, model::kPlainText, u"Root"), Page(3, 1, model::kPlainText, u"labelled"),
                                      Page(2, 1, model::kFolder, u"Folder"), Page(4, 2, model::kPlainText, u"apple"),
                                      Page(5, 2, model::kRichText, u"cherry"), Page(6, 2, model::kPlainText, u"Banana"),
                                      Page(7, 1, model::kPlainText, u"own colour"), Page(8, 6, model::kPlainText, u"deep")});
    book.pages[1].labelId = 1;
    book.pages[2].childSortKey = 0;
    book.pages[2].childrenDescending = 1;
    book.pages[5].labelId = 2;
    book.pages[6].pageColour = 0x00336699;  // in force, 0x00BBGGRR
    book.legend.items = {kit::LegendItemSpec{0x0000FF, 0x11, 1, u"urgent", {}, 0},
                         kit::LegendItemSpec{0xFF0000, 0x01, 2, u"later", {}, 0}};
    book.extraInfo = {kit::ExtraInfoSpec{.ownerPage = 3}, kit::ExtraInfoSpec{.ownerPage = 3}};
    return book;
}

}  // namespace

class TreeTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private Q_SLOTS:
    // What the viewer shows after loading, and after the user's steps.
    void showsTheOutline_data()
    {
        QTest::addColumn<QString>("steps");  // "o TITLE": open the row; "a": Expand All from the root
        QTest::addColumn<QString>("rows");
        QTest::newRow("loaded") << QString() << QStringLiteral(
            "Root\n  Folder +\n  labelled [Attached Files: 2] * #ff0000\n  own colour #996633\n");
        QTest::newRow("folder opened, descending by title")
            << QStringLiteral("o Folder")
            << QStringLiteral("Root\n  Folder\n    cherry\n    Banana #0000ff +\n    apple\n"
                              "  labelled [Attached Files: 2] * #ff0000\n  own colour #996633\n");
        QTest::newRow("expand all leaves pages closed")
            << QStringLiteral("a")
            << QStringLiteral("Root\n  Folder\n    cherry\n    Banana #0000ff +\n    apple\n"
                              "  labelled [Attached Files: 2] * #ff0000\n  own colour #996633\n");
        QTest::newRow("a page with children opens by hand")
            << QStringLiteral("o Folder o Banana")
            << QStringLiteral("Root\n  Folder\n    cherry\n    Banana #0000ff\n      deep\n    apple\n"
                              "  labelled [Attached Files: 2] * #ff0000\n  own colour #996633\n");
    }

    void showsTheOutline()
    {
        QFETCH(QString, steps);
        QFETCH(QString, rows);
        const QString path = WriteNotebook(dir_, QStringLiteral("look.vnb"), LookBook());
        qtviewer::ViewerWidget viewer;
        QVERIFY(viewer.Load(path.toStdString()));
        QTreeView& tree = *viewer.Tree();
        const QStringList words = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < words.size(); ++i) {
            if (words[i] == QLatin1String("a")) {
                tree.setCurrentIndex(tree.model()->index(0, 0));
                viewer.ExpandAll();
                continue;
            }
            const QModelIndexList found =
                tree.model()->match(tree.model()->index(0, 0), Qt::DisplayRole, words[++i], 1, Qt::MatchRecursive);
            QVERIFY2(!found.isEmpty(), qPrintable(words[i]));
            tree.expand(found.first());
        }
        QCOMPARE(Dump(*tree.model()), rows);
        QVERIFY(tree.isExpanded(tree.model()->index(0, 0)));
    }

    // A level becomes rows once, however often it is opened; Expand All
    // adds only what is not there yet.
    void childrenBecomeRowsOnce()
    {
        const QString path = WriteNotebook(dir_, QStringLiteral("look.vnb"), LookBook());
        qtviewer::ViewerWidget viewer;
        QVERIFY(viewer.Load(path.toStdString()));
        QTreeView& tree = *viewer.Tree();
        const QModelIndex folder = tree.model()->index(0, 0, tree.model()->index(0, 0));
        QCOMPARE(folder.data().toString(), QStringLiteral("Folder"));
        QVERIFY(tree.model()->hasChildren(folder));
        QCOMPARE(tree.model()->rowCount(folder), 0);
        QSignalSpy inserted(tree.model(), &QAbstractItemModel::rowsInserted);
        for (int round = 0; round < 3; ++round) {
            tree.expand(folder);
            tree.collapse(folder);
        }
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(tree.model()->rowCount(folder), 3);
        tree.setCurrentIndex(tree.model()->index(0, 0));
        viewer.ExpandAll();
        QCOMPARE(inserted.count(), 1);  // the pages' own children wait for their own opening
        QVERIFY(tree.isExpanded(folder));
    }

    // The rows against the model they show, on the tour: every row's text,
    // colour and bold are the page tree's, in the outline's order.
    void tourRowsAreTheOutlines()
    {
        qtviewer::ViewerWidget viewer;
        QVERIFY(viewer.Load(VV_TOUR_PATH));
        QTreeView& tree = *viewer.Tree();
        tree.setCurrentIndex(tree.model()->index(0, 0));
        viewer.ExpandAll();
        const OutlineModel& model = *viewer.TreeModel();
        const model::CBook& book = *viewer.Book();
        int rows = 0;
        model.Outline().WalkFrom(0, [&](uint32_t node, size_t) {
            if (!model.Outline().InView(node))
                return true;
            const QModelIndex index = model.IndexOf(node);
            const model::CPage& page = *model.Outline().At(node).page;
            ++rows;
            const model::DisplayColour colour = model::PageDisplayColour(book, page, qtviewer::Settings().treeTextColour);
            return index.isValid() && model.NodeOf(index) == node &&
                   index.data().toString().toStdU16String() == model::NodeText(book, page) &&
                   index.data(Qt::FontRole).value<QFont>().bold() == model::IsBold(book, page) &&
                   index.data(Qt::ForegroundRole).isValid() == colour.custom;
        });
        QCOMPARE(rows, static_cast<int>(model.Outline().Size()));
        QVERIFY(rows > 15);
    }

    // Own icons from their stored bits; the rest from the standard images.
    void imagesOfRows()
    {
        kit::BookSpec book = kit::BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 1, model::kPlainText, u"four"),
                                          Page(3, 1, model::kPlainText, u"true colour"), Page(4, 1, model::kRecycleBin, u"Bin"), Page(5, 4, model::kPlainText, u"trash")});
        book.icons = {kit::IconEntrySpec{2, kit::MakeIcon4(16, [](int x, int) { return x < 8 ? 12 : -1; }), 0},
                      kit::IconEntrySpec{3, kit::MakeIcon32(16, [](int x, int) { return x < 8 ? 0xFF00FF00u : 0u; }), 0}};
        const QString path = WriteNotebook(dir_, QStringLiteral("icons.vnb"), book);
        qtviewer::ViewerWidget viewer;
        QVERIFY(viewer.Load(path.toStdString()));
        const QAbstractItemModel& model = *viewer.Tree()->model();
        const QModelIndex root = model.index(0, 0);
        const auto pixel = [&](int row, int x) {
            const QIcon icon = model.index(row, 0, root).data(Qt::DecorationRole).value<QIcon>();
            return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32).pixel(x, 8);
        };
        QCOMPARE(Dump(model), QStringLiteral("Root\n  four\n  true colour\n  Bin +\n"));
        QCOMPARE(pixel(0, 2), qRgb(0, 0, 255));  // palette 12
        QCOMPARE(qAlpha(pixel(0, 12)), 0);       // masked
        QCOMPARE(pixel(1, 2), qRgb(0, 255, 0));
        QCOMPARE(qAlpha(pixel(1, 12)), 0);       // its own alpha
        // The full bin, and the root folder closed and open: images that draw.
        const auto draws = [](const QModelIndex& index) {
            return !index.data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).isNull();
        };
        QVERIFY(draws(model.index(2, 0, root)));
        viewer.Tree()->collapse(root);
        QVERIFY(draws(root));
        viewer.Tree()->expand(root);
        QVERIFY(draws(root));
    }
};

QTEST_MAIN(TreeTest)
#include "TreeTest.moc"
