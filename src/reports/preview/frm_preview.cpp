#include "reports/preview/frm_preview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "reports/preview/print_dlg.h"
#include "reports/preview/report_page_view.h"
#include "reports/preview/zoom_steps.h"
#include "reports/render/pdf_export.h"

namespace reports {
namespace {

struct ZoomItem {
    const char* objectName;
    const char* caption;
    double percent;
};

constexpr ZoomItem kZoomItems[] = {
    {"ZoomIn200", "&200%", 200}, {"Zoom175", "1&75%", 175}, {"Zoom150", "1&50%", 150},
    {"Zoom125", "125&%", 125},   {"Zoom100", "&100%", 100}, {"Zoom75", "&75%", 75},
    {"Zoom50", "&50%", 50},      {"Zoom25", "&25%", 25},
};

QString qs(const char* text) {
    return QString::fromUtf8(text);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

TfrmPreview::TfrmPreview(const PageStream& pages, ReportWindowServices& services,
                         PrinterCatalog& printers, PrintSettings& printSettings,
                         platform::MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent),
      pages_(pages),
      services_(services),
      printers_(printers),
      printSettings_(printSettings),
      boxes_(boxes) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    preview_ = new ReportPageView;
    scrollBox_->setWidget(preview_);
    setCentralWidget(scrollBox_);

    buildMenus();
    buildToolbar();

    connect(preview_, &ReportPageView::pageChanged, this, [this] { MyFilePreviewPageChange(); });
    connect(preview_, &ReportPageView::zoomChanged, this, [this] { MyFilePreviewZoomChange(); });
    scrollBox_->viewport()->installEventFilter(this);
    installEventFilter(this);
    edtZoom_->installEventFilter(this);
    edtPage_->installEventFilter(this);
    resize(820, 900);
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot) {
        auto* action = menu->addAction(qs(caption));
        action->setObjectName(qs(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    actPrint_ = add(file, "MenuPrintReport", "&Print...", [this] { PrintReport(); });
    actPrint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    add(file, "MenuExportPdf", "Export PDF...", [this] { ExportPdf(); });
    file->addSeparator();
    add(file, "MenuExit", "E&xit", [this] { close(); });

    QMenu* page = menuBar()->addMenu(QStringLiteral("&Page"));
    actFirst_ = add(page, "dxmnuFirstPage", "&First Page", [this] { showPage(1); });
    actPrev_ =
        add(page, "dxmnuPrevPage", "&Previous Page", [this] { showPage(currentPage() - 1); });
    actNext_ = add(page, "dxmnuNextPage", "&Next Page", [this] { showPage(currentPage() + 1); });
    actLast_ = add(page, "dxmnuLastPage", "&Last Page", [this] { showPage(pageCount()); });

    QMenu* zoom = menuBar()->addMenu(QStringLiteral("&Zoom"));
    for (const ZoomItem& item : kZoomItems) {
        const double percent = item.percent;
        add(zoom, item.objectName, item.caption, [this, percent] { setZoom(percent); });
    }
    zoom->addSeparator();
    add(zoom, "ZoomPageWidth", "Zoom &Page Width", [this] { ZoomPageWidth(); });
    add(zoom, "ZoomWholePage", "Zoom &Whole Page", [this] { ZoomWholePage(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    add(tools, "mnuRestoreToolbars", "Restore &Toolbars", [this] { RestoreToolbars(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    const std::string helpCaption = services_.displayName() + " &Help...";
    auto* helpAction = add(help, "dxBarProgHelp", helpCaption.c_str(),
                           [this] { services_.showHelp(QStringLiteral("Report_Preview.htm")); });
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpAction->setStatusTip(helpAction->text());
}

void TfrmPreview::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Preview"));
    toolbar_->setObjectName(QStringLiteral("dxBarPreview"));
    auto button = [this](QAction* action, const char* name) {
        toolbar_->addAction(action);
        toolbar_->widgetForAction(action)->setObjectName(qs(name));
    };
    QStyle* s = style();
    actFirst_->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    actPrev_->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    actNext_->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    actLast_->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    button(actFirst_, "sbtnFirst");
    button(actPrev_, "sbtnBack");
    button(actNext_, "sbtnNext");
    button(actLast_, "sbtnLast");
    toolbar_->addSeparator();

    auto* zoomIn = new QAction(QStringLiteral("Zoom In"), this);
    connect(zoomIn, &QAction::triggered, this, [this] { setZoom(zoomInStep(zoom())); });
    auto* zoomOut = new QAction(QStringLiteral("Zoom Out"), this);
    connect(zoomOut, &QAction::triggered, this, [this] { setZoom(zoomOutStep(zoom())); });
    button(zoomIn, "sbtnZoomIn");
    button(zoomOut, "sbtnZoomOut");
    button(findChild<QAction*>(QStringLiteral("ZoomPageWidth")), "sbtnZoomPageWidth");
    button(findChild<QAction*>(QStringLiteral("ZoomWholePage")), "sbtnZoomPage");
    toolbar_->addSeparator();

    toolbar_->addWidget(new QLabel(QStringLiteral("Zoom %"), toolbar_));
    edtZoom_ = new QLineEdit(toolbar_);
    edtZoom_->setObjectName(QStringLiteral("dxBarEditZoomPercent"));
    edtZoom_->setToolTip(QStringLiteral("Enter amount to Zoom"));
    edtZoom_->setMaximumWidth(70);
    toolbar_->addWidget(edtZoom_);
    toolbar_->addWidget(new QLabel(QStringLiteral("Page #"), toolbar_));
    edtPage_ = new QLineEdit(toolbar_);
    edtPage_->setObjectName(QStringLiteral("dxBarEditPageNum"));
    edtPage_->setToolTip(QStringLiteral("Enter Page Number"));
    edtPage_->setMaximumWidth(60);
    toolbar_->addWidget(edtPage_);
    lblPageXofX_ = new QLabel(QStringLiteral("Page 1 of 1"), toolbar_);
    lblPageXofX_->setObjectName(QStringLiteral("dxBarStaticPageXofX"));
    lblPageXofX_->setContentsMargins(8, 0, 8, 0);
    toolbar_->addWidget(lblPageXofX_);
}

void TfrmPreview::exec() {
    setWindowModality(Qt::ApplicationModal);
    show();
    if (!isVisible())
        return;
    QEventLoop loop;
    connect(this, &TfrmPreview::closed, &loop, &QEventLoop::quit);
    loop.exec();
}

int TfrmPreview::currentPage() const {
    return preview_->currentPage();
}
int TfrmPreview::pageCount() const {
    return preview_->pageCount();
}
double TfrmPreview::zoom() const {
    return preview_->zoom();
}
void TfrmPreview::showPage(int page) {
    preview_->showPage(page);
}
void TfrmPreview::setZoom(double percent) {
    preview_->setZoom(percent);
}

// ---- Showing and closing

void TfrmPreview::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
    FormActivate();
}

void TfrmPreview::FormShow() {
    const QByteArray layout = services_.loadToolbarLayout(objectName());
    if (!layout.isEmpty())
        restoreState(layout);
    actPrint_->setEnabled(printers_.printerCount() > 0);
    if (!services_.loadFormPosition(*this, objectName())) {
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
    }
    services_.applyScreenFonts(*this);
    services_.applyMenuAppearance(*this);
    if (services_.zoomPercentage() > 0)
        preview_->setZoom(services_.zoomPercentage());
}

void TfrmPreview::FormActivate() {
    preview_->setStream(&pages_);
    MyFilePreviewPageChange();
    MyFilePreviewZoomChange();
}

void TfrmPreview::closeEvent(QCloseEvent* event) {
    if (printing_) {
        // The print loop still reads the pages; the window closes once it is done.
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
    Q_EMIT closed();
}

void TfrmPreview::FormClose() {
    services_.saveFormPosition(*this, objectName());
    services_.setZoomPercentage(zoom());
    services_.saveReportsFormSection();
    services_.saveToolbarLayout(objectName(), saveState());
}

// ---- Page and zoom display

void TfrmPreview::MyFilePreviewPageChange() {
    const int page = currentPage();
    const int count = pageCount();
    edtPage_->setText(QString::number(page));
    lblPageXofX_->setText(QStringLiteral("Page %1 of %2").arg(page).arg(count));
    actFirst_->setEnabled(page > 1);
    actPrev_->setEnabled(page > 1);
    actNext_->setEnabled(page < count);
    actLast_->setEnabled(page < count);
    scrollBox_->verticalScrollBar()->setValue(0);
}

void TfrmPreview::MyFilePreviewZoomChange() {
    edtZoom_->setText(QLocale().toString(zoom(), 'f', 1));
    preview_->update();
}

void TfrmPreview::applyZoomText() {
    bool ok = false;
    const QString text = edtZoom_->text().trimmed();
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (ok && value != zoom())
        setZoom(value);
    MyFilePreviewZoomChange();
}

void TfrmPreview::applyPageText() {
    bool ok = false;
    const int value = edtPage_->text().trimmed().toInt(&ok);
    if (ok && value != currentPage())
        showPage(value);
    MyFilePreviewPageChange();
}

void TfrmPreview::ZoomPageWidth() {
    const QSize view = scrollBox_->maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setZoom(pageWidthZoom(view.width() - bar, preview_->pageInches().width(),
                          preview_->screenDotsPerInch()));
}

void TfrmPreview::ZoomWholePage() {
    const QSize view = scrollBox_->maximumViewportSize();
    const QSizeF page = preview_->pageInches();
    setZoom(wholePageZoom(view.width(), view.height(), page.width(), page.height(),
                          preview_->screenDotsPerInch()));
}

void TfrmPreview::RestoreToolbars() {
    removeToolBar(toolbar_);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    toolbar_->show();
    menuBar()->show();
}

// ---- Input

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == this || watched == scrollBox_->viewport())) {
        return handleWheel(event);
    }
    if (watched == edtZoom_)
        return filterZoomKey(event);
    if (watched == edtPage_)
        return filterPageKey(event);
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmPreview::handleWheel(QEvent* event) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint delta = wheel->angleDelta();
    if (wheel->modifiers() & Qt::ControlModifier) {
        if (delta.y() > 0)
            setZoom(zoom() + 1);
        if (delta.y() < 0)
            setZoom(zoom() - 1);
        return true;
    }
    QScrollBar* bar =
        delta.y() != 0 ? scrollBox_->verticalScrollBar() : scrollBox_->horizontalScrollBar();
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (amount > 0)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (amount < 0)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    return true;
}

bool TfrmPreview::filterZoomKey(QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        applyZoomText();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        applyZoomText();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || text[0] < QLatin1Char(' ') || text[0].isDigit())
        return false;
    if (text == QLocale().decimalPoint())
        return false;
    return true;  // refused
}

bool TfrmPreview::filterPageKey(QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        applyPageText();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        applyPageText();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    const QChar c = text[0];
    return c >= QLatin1Char(' ') && (c <= QLatin1Char('/') || c > QLatin1Char('9'));
}

// ---- Printing and export

QString TfrmPreview::errorCaption() const {
    return QString::fromStdString(services_.displayName()) + QStringLiteral(" Error");
}

void TfrmPreview::PrintReport() {
    if (printing_) {
        platform::MessageBoxRequest box;
        box.caption = "Error";
        box.text = "Previous print job has not yet finished.  Try again later.";
        box.icon = platform::MsgIcon::Warning;
        box.owner = this;
        box.bringToForeground = true;
        boxes_.show(box);
        return;
    }
    printSettings_.firstPage = currentPage();
    printSettings_.lastPage = pageCount();
    TPrintDlg dialog(printSettings_, printers_, services_, boxes_, this);
    dialog.setCaller(TPrintDlg::kCallerPreview);
    dialog.setRangeVisible(true);
    dialog.exec();
    if (!dialog.confirmed())
        return;
    int printer = printSettings_.printerIndex;
    if (printer < 0)
        printer = printers_.defaultPrinterIndex();
    printPages(printer);
}

void TfrmPreview::printPages(int printerIndex) {
    const std::vector<int> pages = pagesToPrint(printSettings_.allPages, printSettings_.firstPage,
                                                printSettings_.lastPage, pageCount());
    printing_ = true;
    bool failed = false;
    for (int copy = 0; copy < printSettings_.copies && !failed; ++copy) {
        auto job = printers_.startJob(printerIndex, printSettings_.orientation, documentName_);
        if (!job) {
            failed = true;
            break;
        }
        for (const int page : pages) {
            if (!job->printPage(pages_.page(static_cast<std::size_t>(page)))) {
                failed = true;
                break;
            }
            // Keeps the preview responsive while a long report goes to the printer.
            QCoreApplication::processEvents();
        }
        if (!job->finish())
            failed = true;
    }
    printing_ = false;
    if (failed) {
        const auto names = printers_.printerNames();
        const std::string name = printerIndex >= 0 && printerIndex < static_cast<int>(names.size())
                                     ? names[static_cast<std::size_t>(printerIndex)]
                                     : std::string();
        platform::showOk(boxes_, errorCaption().toStdString(),
                         "The report could not be printed on the printer \"" + name + "\".",
                         platform::MsgIcon::Error, this);
    }
}

void TfrmPreview::ExportPdf() {
    if (pages_.empty())
        return;
    const auto path = services_.askPdfFileName(this, pdfSuggestion_);
    if (!path || path->isEmpty())
        return;
    PdfOptions options;
    options.title = documentName_;
    options.creator = QString::fromStdString(services_.displayName());
    const PdfWriteResult result = writePdfFile(pages_, *path, options);
    if (!result.ok) {
        platform::showOk(boxes_, errorCaption().toStdString(),
                         "The report could not be saved as \"" + path->toStdString() +
                             "\".\r\n\r\n" + result.error.toStdString(),
                         platform::MsgIcon::Error, this);
    }
}

}  // namespace reports
