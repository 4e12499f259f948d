// The GLUT subset the demo uses, for the browser build: src/web/platform/glut.cpp
// implements it over the page's canvas. Names and values are freeglut's own.
#pragma once

#include <GL/gl.h>

#define GLUT_RGBA 0x0000
#define GLUT_DOUBLE 0x0002
#define GLUT_DEPTH 0x0010

#define GLUT_KEY_F1 0x0001
#define GLUT_KEY_F12 0x000C

#define GLUT_ACTIVE_SHIFT 0x0001
#define GLUT_ACTIVE_CTRL 0x0002
#define GLUT_ACTIVE_ALT 0x0004

#define GLUT_WINDOW_WIDTH 0x0066
#define GLUT_WINDOW_HEIGHT 0x0067

#ifdef __cplusplus
extern "C" {
#endif

void glutInit(int* argc, char** argv);
void glutInitWindowSize(int width, int height);
void glutInitDisplayMode(unsigned int mode);
int glutCreateWindow(const char* title);
void glutMainLoop(void);

void glutDisplayFunc(void (*callback)(void));
void glutReshapeFunc(void (*callback)(int, int));
void glutKeyboardFunc(void (*callback)(unsigned char, int, int));
void glutSpecialFunc(void (*callback)(int, int, int));
void glutMouseFunc(void (*callback)(int, int, int, int));
void glutMotionFunc(void (*callback)(int, int));
void glutPassiveMotionFunc(void (*callback)(int, int));

void glutPostRedisplay(void);
void glutSwapBuffers(void);
int glutGet(GLenum what);
int glutGetModifiers(void);
void glutReshapeWindow(int width, int height);

void glutSolidIcosahedron(void);
void glutWireCube(GLdouble size);

#ifdef __cplusplus
}
#endif
