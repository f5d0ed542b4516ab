Caligari V00.01ALH             
PolH V0.08 Id 497163284 Parent 497130340 Size 00013948
Name Sphere
center 0.00022105 6.90593e-005 2.24976e-016
x axis 1 -3.26919e-006 -1.80554e-012
y axis 3.26919e-006 1 -7.36162e-013
z axis 1.80554e-012 7.36156e-013 1
Transform
2.70702 8.84988e-006 4.88764e-012 0.00022105
3.88909e-006 2.70706 1.99279e-012 6.90593e-005
2.44382e-012 9.9641e-013 2.70702 2.24976e-016
0 0 0 1
World Vertices 5
0.000000 0.000000 1.000000
0.000000 0.000000 -1.000000
0.382683 0.000000 0.923880
0.353553 0.146447 0.923880
0.270598 0.270598 0.923880
Texture Vertices 4
0.031250 1.000000
0.093750 1.000000
0.156250 1.000000
0.218750 1.000000
Faces 3
Face verts 3 flags 0 mat 0
<0,0> <3,2> <2,1> 
Face verts 3 flags 0 mat 0
<0,1> <4,3> <3,2> 
Face verts 3 flags 0 mat 0
<0,2> <0,0> <4,3> 
DrawFlags 0
Unit V0.01 Id 497163285 Parent 497163284 Size 00000009
Units 2
ObRQ V0.01 Id 497163289 Parent 497163284 Size 00000121
Object Radiosity Quality: 0
Object Radiosity Max Area: 0
Object Radiosity Min Area: 0
Object Radiosity Mesh Accuracy: 0
OLay V0.01 Id 497163284 Parent 0 Size 00000053
Layer Index 32767
Show Notebook 0
Object Mode Off 0
OLay V0.01 Id 57763468 Parent 0 Size 00000053
Layer Index 32767
Show Notebook 0
Object Mode Off 0
Mat1 V0.08 Id 497202476 Parent 497163284 Size 00000104
mat# 0
shader: phong  facet: auto40
rgb 0.345098,0.435294,0.909804
alpha 1  ka 0  ks 0.1  exp 0  ior 1
ShBx V0.04 Id 497202477 Parent 497202476 Size 00000604
Shader class: color
Shader name: "plain color" (plain)
PolH V0.08 Id 58548212 Parent 497130340 Size 00013948
Name Sphere,1
center 3.24843 6.32537e-006 2.93259e-012
x axis 1 -3.40276e-006 -1.80554e-012
y axis 3.40276e-006 1 -7.36162e-013
z axis 1.80554e-012 7.36156e-013 1
Transform
0.541404 1.84229e-006 9.77529e-013 3.24843
7.69751e-007 0.541411 3.98558e-013 6.32537e-006
4.88764e-013 1.99282e-013 0.541404 2.93259e-012
0 0 0 1
World Vertices 4
0.000000 0.000000 1.000000
0.000000 0.000000 -1.000000
0.382683 0.000000 0.923880
0.353553 0.146447 0.923880
Texture Vertices 4
0.031250 1.000000
0.093750 1.000000
0.156250 1.000000
0.218750 1.000000
Faces 2
Face verts 3 flags 0 mat 0
<0,0> <3,2> <2,1> 
Face verts 3 flags 0 mat 0
<0,1> <0,3> <3,2> 
DrawFlags 0
Unit V0.01 Id 58548213 Parent 58548212 Size 00000009
END  V1.00 Id 0 Parent 0 Size        0