Caligari V00.01ALH             
BitM V0.01 Id 0 Parent 0 Size 00003742
ThumbNailHdrSize 40
ThumbHeader:28 00 00 00 5e 00 00 00 5e 00 00 00 01 00 18 00 00 00 00 00 48 68 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
Grou V0.01 Id 212415772 Parent 0 Size 00000137
Name Body
center -0.011608 0 -0.015192
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 -0.011608
0 1 0 0
0 0 1 -0.015192
0 0 0 1
Unit V0.01 Id 212415773 Parent 212415772 Size 00000009
Units 2
OLay V0.01 Id 212415772 Parent 0 Size 00000049
Layer Index 0
Show Notebook 0
Object Mode Off 0
Chan V0.12 Id 212666728 Parent 212415772 Size 00000849
Name AnimationSet0
type Rotate
flags 0 frames 23
time 0 acc 0 orientation 1  0 0 0
PolH V0.08 Id 212416060 Parent 212415772 Size 00183265
Name test2Mesh
center -0.011608 0 -0.015192
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 -0.011608
0 1 0 0
0 0 1 -0.015192
0 0 0 1
World Vertices 8
-9.151786 -2.990283 53.507370
-9.226782 -6.258957 50.241379
-4.402630 -7.254743 50.423405
-3.623966 -3.573766 53.374340
-9.151786 1.893607 53.030262
-4.678361 1.846453 52.607613
-9.076786 5.434404 48.211369
-4.676484 5.120773 47.537590
Texture Vertices 4
0.280615 -0.558309
0.352344 -0.554924
0.369747 -0.634334
0.289371 -0.647432
Faces 6
Face verts 3 flags 0 mat 1
<0,0> <1,1> <2,2> 
Face verts 3 flags 0 mat 1
<3,3> <0,0> <2,2> 
Face verts 3 flags 0 mat 1
<4,0> <0,0> <3,3> 
Face verts 3 flags 0 mat 1
<5,1> <4,0> <3,3> 
Face verts 3 flags 0 mat 1
<6,2> <4,0> <5,1> 
Face verts 3 flags 0 mat 1
<7,3> <6,2> <5,1> 
DrawFlags 0
Unit V0.01 Id 212416061 Parent 212416060 Size 00000009
Units 2
ObRQ V0.01 Id 212416065 Parent 212416060 Size 00000121
Object Radiosity Quality: 0
Object Radiosity Max Area: 0
Object Radiosity Min Area: 0
Object Radiosity Mesh Accuracy: 0
OLay V0.01 Id 212416060 Parent 0 Size 00000049
Layer Index 0
Show Notebook 0
Object Mode Off 0
Chan V0.12 Id 213022120 Parent 212416060 Size 00001373
Name AnimationSet0
type Vertex
vertex 0
flags 0 frames 27
time 0 acc 0 position -9.15179 -2.99028 53.5074
time 1 acc 0 position -9.15179 -2.99028 53.5074
time 2 acc 0 position -9.15179 -3.12289 50.5635
OLay V0.01 Id 212666860 Parent 0 Size 00000049
Layer Index 0
Show Notebook 0
Object Mode Off 0
Mat1 V0.08 Id 212664244 Parent 212416060 Size 00000089
mat# 1
shader: phong  facet: auto40
rgb 0.8,0.8,0.8
alpha 1  ka 0.1  ks 0  exp 0  ior 1
ShBx V0.04 Id 212664245 Parent 212664244 Size 00000717
Shader class: color
Shader name: "texture map" (caligari texture)
Number of parameters: 7
file name: string "dwarf.jpg"
S repeat: float 1
T repeat: float 1
END  V1.00 Id 0 Parent 0 Size        0