#ifndef TANGREADER_RESOURCE_H
#define TANGREADER_RESOURCE_H

#define IDI_READER 101
#define IDI_SEARCH 102

#define IDB_ABOUT 201
#define IDB_SEARCH 202
#define IDB_EXIT 203

/* Each picture drawn again at 150 % and 200 %, 10 and 20 after its own id (ButtonPictures.cpp). */
#define IDB_ABOUT_150 211
#define IDB_SEARCH_150 212
#define IDB_EXIT_150 213
#define IDB_ABOUT_200 221
#define IDB_SEARCH_200 222
#define IDB_EXIT_200 223

#endif
