// The content views: rich pages through the engine into a text document,
// plain pages in the user's font, HTML pages and web archives drawing only
// what they carry, each page in its own view.
#include "frontends/qt/panes/ContentPanes.h"
#include "frontends/qt/panes/PictureImage.h"
#include "frontends/qt/panes/RichTextConverter.h"
#include "frontends/qt/panes/SafeHtmlBrowser.h"
#include "frontends/qt/viewer/Settings.h"
#include "frontends/qt/viewer/ViewerWidget.h"
#include "richtext/RtfReader.h"
#include "tests/qt/QtTestSupport.h"

#include <QBuffer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

using namespace qttest;

namespace {

QByteArray Png(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The look of the first stretch of text holding `text`: "b", "i", "u",
// "s", "sup", the colour, the background and the link, as present.
QString LookOf(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.text().contains(text))
                continue;
            const QTextCharFormat f = fragment.charFormat();
            QStringList look;
            if (f.fontWeight() >= QFont::Bold)
                look << QStringLiteral("b");
            if (f.fontItalic())
                look << QStringLiteral("i");
            if (f.fontUnderline())
                look << QStringLiteral("u");
            if (f.fontStrikeOut())
                look << QStringLiteral("s");
            if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                look << QStringLiteral("sup");
            if (f.hasProperty(QTextFormat::ForegroundBrush))
                look << f.foreground().color().name();
            if (f.hasProperty(QTextFormat::BackgroundBrush))
                look << QStringLiteral("on") + f.background().color().name();
            if (f.isAnchor())
                look << QStringLiteral("link=") + f.anchorHref();
            if (f.fontPointSize() != 12)
                look << QString::number(f.fontPointSize()) + QStringLiteral("pt");
            return look.join(QLatin1Char(' '));
        }
    }
    return QStringLiteral("(missing)");
}

void Convert(const QString& rtf, QTextDocument& document)
{
    const std::u16string source = rtf.toStdU16String();
    const richtext::Document read = richtext::ReadRtf(source);
    qtviewer::RichTextConverter(read, document, QFont()).Convert();
}

}  // namespace

class PageViewsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private Q_SLOTS:
    void richRunsKeepTheirFormat_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("look");
        const QString colours = QStringLiteral("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}");
        QTest::newRow("plain") << QStringLiteral("{\\rtf1 plain {\\b bold} end}") << QStringLiteral("plain") << QString();
        QTest::newRow("bold") << QStringLiteral("{\\rtf1 plain {\\b bold} end}") << QStringLiteral("bold") << QStringLiteral("b");
        QTest::newRow("italic, underline, strike")
            << QStringLiteral("{\\rtf1 {\\i\\ul\\strike marked}}") << QStringLiteral("marked") << QStringLiteral("i u s");
        QTest::newRow("superscript, size") << QStringLiteral("{\\rtf1 x{\\super\\fs16 2}}") << QStringLiteral("2")
                                           << QStringLiteral("sup 8pt");
        QTest::newRow("colour") << QStringLiteral("{\\rtf1") + colours + QStringLiteral("\\cf1 red\\cf0  auto}")
                                << QStringLiteral("red") << QStringLiteral("#ff0000");
        QTest::newRow("automatic colour") << QStringLiteral("{\\rtf1") + colours + QStringLiteral("\\cf1 red\\cf0  auto}")
                                          << QStringLiteral("auto") << QString();
        QTest::newRow("highlight") << QStringLiteral("{\\rtf1") + colours + QStringLiteral("{\\highlight2 lit}}")
                                   << QStringLiteral("lit") << QStringLiteral("on#0000ff");
        QTest::newRow("link") << QStringLiteral("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://a.b/c\"}{\\fldrslt go}}}")
                              << QStringLiteral("go") << QStringLiteral("link=http://a.b/c");
    }

    void richRunsKeepTheirFormat()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        QFETCH(QString, look);
        QTextDocument document;
        Convert(rtf, document);
        QCOMPARE(LookOf(document, text), look);
    }

    // Paragraphs as blocks, a table's cells in their places with the text
    // after it outside, a picture as a resource of its size.
    void richBlocksTablesAndPictures()
    {
        const QByteArray png = Png(4, 2, Qt::green);
        QTextDocument document;
        Convert(QStringLiteral("{\\rtf1\\qc centred\\par\\pard"
                               "\\trowd\\cellx1500\\cellx3000 a\\cell {\\b b}\\cell\\row"
                               "\\trowd\\cellx1500\\cellx3000 c\\cell d\\cell\\row after "
                               "{\\pict\\pngblip\\picwgoal600\\pichgoal300 ") +
                    QString::fromLatin1(png.toHex()) + QStringLiteral("}}"),
                document);
        QCOMPARE(document.begin().text(), QStringLiteral("centred"));
        QCOMPARE(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QTextTable* table = nullptr;
        for (QTextFrame* frame : document.rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable*>(frame);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        QStringList cells;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) {
                QTextCursor in = table->cellAt(r, c).firstCursorPosition();
                in.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                cells << in.selectedText();
            }
        QCOMPARE(cells, (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(LookOf(document, QStringLiteral("b")), QStringLiteral("b"));
        QCOMPARE(table->format().columnWidthConstraints().value(1).rawValue(), 100.0);  // 1500 twips
        const QTextBlock after = document.findBlock(table->lastPosition() + 1);
        QVERIFY(after.text().startsWith(QStringLiteral("after ")));

        QTextImageFormat picture;
        for (auto it = after.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                picture = it.fragment().charFormat().toImageFormat();
        QVERIFY(picture.isValid());
        QCOMPARE(picture.width(), 40.0);  // 600 twips
        QCOMPARE(picture.height(), 20.0);
        const QImage image = document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
        QCOMPARE(image.size(), QSize(4, 2));
        QCOMPARE(image.pixel(0, 0), QColor(Qt::green).rgb());
    }

    // Each kind of page in its view; folders and the root leave the page
    // shown; plain pages in the user's font.
    void pagesGoToTheirViews()
    {
        const QString mht = QStringLiteral(
            "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"B\"\r\n\r\n"
            "--B\r\nContent-Type: text/html; charset=\"windows-1252\"\r\nContent-Transfer-Encoding: quoted-printable\r\n"
            "Content-Location: http://x.org/huts.htm\r\n\r\n"
            "<p>Caf=E9 <img src=3D\"hut.png\"></p>\r\n"
            "--B\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\nContent-Location: http://x.org/hut.png\r\n\r\n") +
            QString::fromLatin1(Png(3, 3, Qt::red).toBase64()) + QStringLiteral("\r\n--B--\r\n");
        const QString path = WriteNotebook(
            dir_, QStringLiteral("kinds.vnb"),
            kit::BookOf({kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"plain", u"just words"),
                         kit::Page(3, 1, 2, u"rich", u"{\\rtf1 {\\b strong} words}"),
                         kit::Page(4, 1, 3, u"html", u"<p>marked <b>up</b></p>"),
                         kit::Page(5, 1, 1, u"archive", mht.toStdU16String()), kit::Page(6, 1, 4, u"folder"),
                         kit::Page(7, 6, 0, u"inside", u"x")}));
        core::CharFormatRecord& font = qtviewer::Settings().editFont;
        font.size = 1;
        font.mask = core::kCfmFace | core::kCfmSize | core::kCfmBold;
        font.effects = core::kCfmBold;
        font.height = 280;
        const std::u16string face = u"Courier";
        std::copy(face.begin(), face.end(), font.faceName.begin());
        qtviewer::ViewerWidget viewer;
        QVERIFY(viewer.Load(path.toStdString()));
        qtviewer::ContentPanes& content = *viewer.Content();
        QCOMPARE(content.currentWidget(), static_cast<QWidget*>(content.RichView()));
        QVERIFY(content.RichView()->toPlainText().startsWith(QStringLiteral("Vorn View 1.00 build 1 [")));

        const struct {
            uint32_t page;
            QWidget* view;
            QString text;
        } cases[] = {
            {2, content.PlainView(), QStringLiteral("just words")},
            {3, content.RichView(), QStringLiteral("strong words")},
            {6, content.RichView(), QStringLiteral("strong words")},  // a folder: nothing changes
            {4, content.HtmlView(), QStringLiteral("marked up")},
            {1, content.HtmlView(), QStringLiteral("marked up")},  // the root
            {5, content.HtmlView(), QStringLiteral("Café \xFF\xFC")},
        };
        for (const auto& c : cases) {
            viewer.DisplayPage(c.page);
            QCOMPARE(content.currentWidget(), c.view);
            const QString shown = c.view == content.PlainView() ? content.PlainView()->toPlainText()
                                                                : static_cast<QTextEdit*>(c.view)->toPlainText();
            QCOMPARE(shown.trimmed(), QString(c.text).replace(QStringLiteral("\xFF\xFC"), QString(QChar::ObjectReplacementCharacter)));
        }
        const QImage hut = content.HtmlView()->document()->resource(QTextDocument::ImageResource, QUrl("hut.png")).value<QImage>();
        QCOMPARE(hut.size(), QSize(3, 3));
        const QFont plainFont = content.PlainView()->font();
        QCOMPARE(plainFont.family(), QStringLiteral("Courier"));
        QCOMPARE(plainFont.pointSizeF(), 14.0);
        QVERIFY(plainFont.bold());
        font = core::CharFormatRecord{};
    }

    // A few kilobytes of a page may claim a picture of gigabytes: beyond the
    // limit it is not decoded, in a rich page or an HTML page.
    void hugePicturesAreNotDecoded()
    {
        QByteArray huge;
        {
            QImage blank(4100, 4100, QImage::Format_Grayscale8);  // just over the limit
            blank.fill(0);
            QBuffer buffer(&huge);
            buffer.open(QIODevice::WriteOnly);
            blank.save(&buffer, "PNG");
        }
        QVERIFY(huge.size() < 1024 * 1024);
        QVERIFY(qtviewer::DecodePicture(huge.constData(), static_cast<size_t>(huge.size())).isNull());
        const QByteArray small = Png(64, 64, Qt::red);
        QCOMPARE(qtviewer::DecodePicture(small.constData(), static_cast<size_t>(small.size())).size(), QSize(64, 64));
        qtviewer::SafeHtmlBrowser browser;
        const QString address = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(huge.toBase64());
        browser.ShowHtml((QStringLiteral("<img src=\"") + address + QStringLiteral("\">")).toStdU16String());
        QVERIFY(browser.document()->resource(QTextDocument::ImageResource, QUrl(address)).value<QPixmap>().isNull());
    }

    // Addresses an HTML page names reach nothing: not the network, not a
    // local file, only data the page itself holds.
    void htmlLoadsNothingFromElsewhere_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("loaded");
        const QString local = dir_.filePath(QStringLiteral("local.png"));
        QFile file(local);
        if (file.open(QIODevice::WriteOnly))
            file.write(Png(2, 2, Qt::blue));
        QTest::newRow("local path") << local << false;
        QTest::newRow("file address") << QUrl::fromLocalFile(local).toString() << false;
        QTest::newRow("relative") << QStringLiteral("local.png") << false;
        QTest::newRow("web") << QStringLiteral("http://example.org/x.png") << false;
        QTest::newRow("data") << QStringLiteral("data:image/png;base64,") + QString::fromLatin1(Png(2, 2, Qt::blue).toBase64())
                              << true;
    }

    void htmlLoadsNothingFromElsewhere()
    {
        QFETCH(QString, address);
        QFETCH(bool, loaded);
        qtviewer::SafeHtmlBrowser browser;
        browser.document()->setBaseUrl(QUrl::fromLocalFile(dir_.path() + QLatin1Char('/')));
        browser.ShowHtml((QStringLiteral("<p>x<img src=\"") + address + QStringLiteral("\"></p>")).toStdU16String());
        browser.document()->size();  // lays it out, which asks for the picture
        const QVariant resource = browser.document()->resource(QTextDocument::ImageResource, QUrl(address));
        const QImage image = resource.canConvert<QPixmap>() ? resource.value<QPixmap>().toImage()
                                                            : QImage::fromData(resource.toByteArray());
        QCOMPARE(!image.isNull(), loaded);
        QVERIFY(!browser.Requested().isEmpty());
    }
};

QTEST_MAIN(PageViewsTest)
#include "PageViewsTest.moc"
