// The document model laid out as a QTextDocument; dots become pixels through the zoom.
#include "RichText.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <cmath>

namespace Upp {

namespace {

const int MAX_PIXELS = 20000; // keeps absurd sizes from a damaged text away from the layout

class Builder {
	QTextDocument& out;
	double scale;
	int objects = 0;

	int Px(int dots) const { return (int)std::clamp(std::lround(dots * scale), -(long)MAX_PIXELS, (long)MAX_PIXELS); }
	int Line(int dots) const { return dots > 0 ? std::max(1, Px(dots)) : 0; } // thin, never lost

	static QColor Color(const RichColor& c) { return QColor(c.r, c.g, c.b); }

	QTextCharFormat CharFormat(const RichCharFormat& f) const
	{
		QTextCharFormat q;
		switch(f.face) {
		case RichCharFormat::SERIF:
			q.setFontFamilies(QStringList{ "serif", "Times New Roman" });
			q.setFontStyleHint(QFont::Serif);
			break;
		case RichCharFormat::MONO:
			q.setFontFamilies(QStringList{ "monospace", "Courier New" });
			q.setFontStyleHint(QFont::Monospace);
			break;
		case RichCharFormat::GUI: q.setFontFamilies(QStringList{ QGuiApplication::font().family() }); break;
		case RichCharFormat::NAMED:
			q.setFontFamilies(QStringList{ QString::fromStdString(f.facename), "Arial", "sans-serif" });
			break;
		default:
			q.setFontFamilies(QStringList{ "Arial", "sans-serif" });
			q.setFontStyleHint(QFont::SansSerif);
			break;
		}
		// Qt shrinks raised and lowered text to 2/3, which must not reach 0
		q.setProperty(QTextFormat::FontPixelSize, std::max(f.script == RichCharFormat::NORMAL ? 1 : 2, Px(f.height)));
		q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
		q.setFontItalic(f.italic);
		if(f.underline || f.dashed)
			q.setUnderlineStyle(f.dashed ? QTextCharFormat::DashUnderline : QTextCharFormat::SingleUnderline);
		q.setFontStrikeOut(f.strikeout);
		if(f.capitals)
			q.setFontCapitalization(QFont::SmallCaps);
		if(f.script == RichCharFormat::SUPERSCRIPT)
			q.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
		else if(f.script == RichCharFormat::SUBSCRIPT)
			q.setVerticalAlignment(QTextCharFormat::AlignSubScript);
		if(!f.ink.null)
			q.setForeground(Color(f.ink));
		if(!f.paper.null)
			q.setBackground(Color(f.paper));
		if(!f.link.empty()) {
			// Without a scheme the target is a web address ("www.host"), as a browser takes it.
			QString href = QString::fromStdString(f.link);
			if(QUrl(href).scheme().isEmpty())
				href = QUrl::fromUserInput(href).toString();
			q.setAnchor(true);
			q.setAnchorHref(href);
			// links look like links whatever the text's own colour
			q.setForeground(QGuiApplication::palette().color(QPalette::Link));
			q.setFontUnderline(true);
		}
		return q;
	}

	QTextBlockFormat BlockFormat(const RichParaFormat& f) const
	{
		QTextBlockFormat q;
		static const Qt::Alignment align[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify };
		q.setAlignment(align[std::clamp(f.align, 0, 3)]);
		q.setLeftMargin(Px(f.lm));
		q.setRightMargin(Px(f.rm));
		q.setTextIndent(Px(f.indent));
		q.setTopMargin(Px(f.before));
		q.setBottomMargin(Px(f.after));
		if(f.linespacing != 100)
			q.setLineHeight(f.linespacing, QTextBlockFormat::ProportionalHeight);
		if(!f.tabs.empty()) {
			QList<QTextOption::Tab> tabs;
			for(const RichTab& t : f.tabs)
				tabs.append(QTextOption::Tab(Px(t.pos), t.align == RichTab::RIGHT    ? QTextOption::RightTab
														: t.align == RichTab::CENTER ? QTextOption::CenterTab
																					 : QTextOption::LeftTab));
			q.setTabPositions(tabs);
		}
		return q;
	}

	void Object(QTextCursor& c, const RichRun& run)
	{
		QImage img;
		if(!img.loadFromData(reinterpret_cast<const uchar*>(run.object.data.data()), (int)run.object.data.size()))
			return; // nothing this view can draw
		QString name = QString("qtf-object:%1").arg(++objects);
		out.addResource(QTextDocument::ImageResource, QUrl(name), img);
		QTextImageFormat f;
		f.merge(CharFormat(run.format));
		f.setName(name);
		if(run.object.cx > 0 && run.object.cy > 0) {
			f.setWidth(std::max(1, Px(run.object.cx)));
			f.setHeight(std::max(1, Px(run.object.cy)));
		}
		c.insertImage(f);
	}

	void Para(QTextCursor& c, const RichPara& p, bool fresh)
	{
		QTextBlockFormat bf = BlockFormat(p.format);
		if(p.runs.empty())
			bf.setBackground(QBrush()); // Qt hides an empty block before a table unless it has this
		QTextCharFormat ef = CharFormat(p.endformat);
		if(fresh) {
			c.setBlockFormat(bf);
			c.setBlockCharFormat(ef);
		}
		else
			c.insertBlock(bf, ef);
		for(const RichRun& run : p.runs) {
			if(run.isobject)
				Object(c, run);
			else
				c.insertText(QString::fromUtf8(run.text.data(), (int)run.text.size()), CharFormat(run.format));
		}
	}

	void Table(QTextCursor& c, const RichTable& t)
	{
		int ncols = (int)t.columns.size();
		int nrows = (int)t.rows.size();
		if(ncols <= 0 || nrows <= 0)
			return;
		const RichTableFormat& f = t.format;
		QTextTableFormat tf;
		tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
		double sum = 0;
		for(int r : t.columns)
			sum += r;
		QList<QTextLength> widths;
		for(int r : t.columns)
			widths.append(QTextLength(QTextLength::PercentageLength, sum > 0 ? 100.0 * r / sum : 100.0 / ncols));
		tf.setColumnWidthConstraints(widths);
		// The frame is drawn as the outer borders of the edge cells: Qt's own table border
		// leaves a gap between tables that follow each other.
		tf.setBorderCollapse(true);
		tf.setBorder(0);
		tf.setCellSpacing(0);
		tf.setCellPadding(0);
		tf.setLeftMargin(Px(f.lm));
		tf.setRightMargin(Px(f.rm));
		tf.setTopMargin(Px(f.before));
		tf.setBottomMargin(Px(f.after));
		QTextTable* table = c.insertTable(nrows, ncols, tf);

		// Spans first: merging moves content, so cells are filled once their shape is final.
		std::vector<char> covered(size_t(nrows) * ncols, 0);
		std::vector<int> rowspan(covered.size(), 1), colspan(covered.size(), 1);
		for(int r = 0; r < nrows; r++)
			for(int col = 0; col < ncols; col++) {
				const RichCellFormat& cf = t.rows[r][col].format;
				if(covered[size_t(r) * ncols + col])
					continue;
				int rs = std::min(cf.vspan, nrows - r - 1) + 1;
				int cs = std::min(cf.hspan, ncols - col - 1) + 1;
				rowspan[size_t(r) * ncols + col] = rs;
				colspan[size_t(r) * ncols + col] = cs;
				for(int i = 0; i < rs; i++)
					for(int j = 0; j < cs; j++)
						if(i || j)
							covered[size_t(r + i) * ncols + col + j] = 1;
				if(rs > 1 || cs > 1)
					table->mergeCells(r, col, rs, cs);
			}
		for(int r = 0; r < nrows; r++)
			for(int col = 0; col < ncols; col++) {
				if(covered[size_t(r) * ncols + col])
					continue;
				const RichCell& cell = t.rows[r][col];
				const RichCellFormat& cf = cell.format;
				QTextTableCell qc = table->cellAt(r, col);
				QTextTableCellFormat qf;
				qf.setLeftPadding(Px(cf.margin[0]));
				qf.setTopPadding(Px(cf.margin[1]));
				qf.setRightPadding(Px(cf.margin[2]));
				qf.setBottomPadding(Px(cf.margin[3]));
				size_t at = size_t(r) * ncols + col;
				bool edge[4] = { col == 0, r == 0, col + colspan[at] == ncols, r + rowspan[at] == nrows };
				int side[4];
				QColor sidecolor[4];
				for(int i = 0; i < 4; i++) {
					int line = edge[i] ? f.frame : f.grid;
					bool own = cf.border[i] > line;
					side[i] = Line(own ? cf.border[i] : line);
					sidecolor[i] = Color(own ? cf.bordercolor : edge[i] ? f.framecolor : f.gridcolor);
				}
				qf.setLeftBorder(side[0]);
				qf.setTopBorder(side[1]);
				qf.setRightBorder(side[2]);
				qf.setBottomBorder(side[3]);
				qf.setLeftBorderBrush(sidecolor[0]);
				qf.setTopBorderBrush(sidecolor[1]);
				qf.setRightBorderBrush(sidecolor[2]);
				qf.setBottomBorderBrush(sidecolor[3]);
				qf.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
				qf.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
				qf.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
				qf.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
				if(!cf.paper.null)
					qf.setBackground(Color(cf.paper));
				qf.setVerticalAlignment(cf.valign == RichCellFormat::TOP      ? QTextCharFormat::AlignTop
										: cf.valign == RichCellFormat::BOTTOM ? QTextCharFormat::AlignBottom
																			  : QTextCharFormat::AlignMiddle);
				// The cell's format shares its character with the first block's character format,
				// so it goes on after the content, over what the content put there.
				QTextCursor cc = qc.firstCursorPosition();
				Parts(cc, cell.parts);
				QTextCharFormat merged = qc.format();
				merged.merge(qf);
				qc.setFormat(merged);
			}
		c.setPosition(table->lastPosition() + 1);
	}

	// Qt keeps a block before a table inserted into an empty block and one after every table;
	// shown, they would add empty lines that the text does not have.
	static void Collapse(QTextCursor& c) { c.block().setVisible(false); }

public:
	Builder(QTextDocument& out, double scale) : out(out), scale(scale) {}

	// `c` sits in an empty block that nothing has used yet.
	void Parts(QTextCursor& c, const std::vector<RichPart>& parts)
	{
		bool fresh = true;
		bool tablelast = false;
		for(const RichPart& part : parts) {
			if(part.table) {
				if(fresh)
					Collapse(c);
				Table(c, *part.table);
				fresh = true;
				tablelast = true;
			}
			else {
				// Qt hides an empty block right after a table; an empty paragraph of the text
				// keeps its line, so it does not take that block.
				Para(c, part.para, fresh && !(tablelast && part.para.runs.empty()));
				fresh = false;
				tablelast = false;
			}
		}
		if(tablelast)
			Collapse(c);
	}
};

} // namespace

void BuildQTextDocument(QTextDocument& out, const RichDoc& doc, Zoom zoom)
{
	out.clear();
	double scale = zoom.d > 0 && zoom.m > 0 ? double(zoom.m) / zoom.d : 1.0;
	QFont font("Arial");
	font.setStyleHint(QFont::SansSerif);
	font.setPixelSize(std::max(1, (int)std::lround(RichCharFormat().height * scale)));
	out.setDefaultFont(font);
	QTextCursor c(&out);
	c.beginEditBlock(); // a shown view would otherwise lay the document out after each insertion
	Builder(out, scale).Parts(c, doc.parts);
	c.endEditBlock();
}

} // namespace Upp
