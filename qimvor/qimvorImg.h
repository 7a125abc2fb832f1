#ifndef QIMVOR_QIMVORIMG_H
#define QIMVOR_QIMVORIMG_H

#include <Core/Core.h>

// The program's pictures, drawn in qimvorImg.art; the build packs them into qimvorImg_data.cpp.
class qimvorImg {
public:
	static Upp::Iml& Iml();
	static Upp::Image icon();
	static Upp::Image About();
	static Upp::Image Close();
	static Upp::Image Wrench();
	static Upp::Image Home();
	static Upp::Image logfin();
};

#endif
