#ifndef IMLPACK_ART_H
#define IMLPACK_ART_H

#include <QImage>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

struct ArtImage {
	QString name;
	int block = 0;
	QImage image; // ARGB32 premultiplied
};

struct ArtList {
	QString name;
	std::vector<ArtImage> images;
	int blocks = 0;
};

struct ArtError : std::runtime_error {
	using std::runtime_error::runtime_error;
};

// Reads a drawing file and paints its pictures; throws ArtError with the line at fault.
ArtList LoadArt(const QString& path);

#endif
