Caligari V00.01ALH             
PolH V0.06 Id 60001 Parent 0 Size 00001364
Name Ring
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 16
1.000000 1.000000 0.100000
-1.000000 1.000000 0.100000
-1.000000 -1.000000 0.100000
1.000000 -1.000000 0.100000
0.500000 0.500000 0.100000
-0.500000 0.500000 0.100000
-0.500000 -0.500000 0.100000
0.500000 -0.500000 0.100000
1.000000 1.000000 -0.100000
-1.000000 1.000000 -0.100000
-1.000000 -1.000000 -0.100000
1.000000 -1.000000 -0.100000
0.500000 0.500000 -0.100000
-0.500000 0.500000 -0.100000
-0.500000 -0.500000 -0.100000
0.500000 -0.500000 -0.100000
Texture Vertices 8
1.000000 1.000000
0.000000 1.000000
0.000000 0.000000
1.000000 0.000000
0.750000 0.750000
0.250000 0.750000
0.250000 0.250000
0.750000 0.250000
Faces 12
Face verts 4 flags 0 mat 0
<0,0> <3,3> <2,2> <1,1> 
Hole verts 4
<7,7> <4,4> <5,5> <6,6> 
Face verts 4 flags 0 mat 0
<11,3> <8,0> <9,1> <10,2> 
Hole verts 4
<12,4> <15,7> <14,6> <13,5> 
Face verts 4 flags 0 mat 1
<1,0> <9,3> <8,2> <0,1> 
Face verts 4 flags 0 mat 1
<4,4> <12,7> <13,6> <5,5> 
Face verts 4 flags 0 mat 1
<2,0> <10,3> <9,2> <1,1> 
Face verts 4 flags 0 mat 1
<5,4> <13,7> <14,6> <6,5> 
Face verts 4 flags 0 mat 1
<3,0> <11,3> <10,2> <2,1> 
Face verts 4 flags 0 mat 1
<6,4> <14,7> <15,6> <7,5> 
Face verts 4 flags 0 mat 1
<0,0> <8,3> <11,2> <3,1> 
Face verts 4 flags 0 mat 1
<7,4> <15,7> <12,6> <4,5> 
Unit V0.01 Id 60002 Parent 60001 Size 00000008
Units 1
Mat1 V0.06 Id 60003 Parent 60001 Size 00000151
mat# 0
shader: metal  facet: smooth
rgb 0.7,0.72,0.75
alpha 1  ka 0.1  ks 0.5  exp 0  ior 1
bump: hammered.bmp
offset 0,0 repeats 3,3 amp 0.25 flags 0
PrTx V0.01 Id 60004 Parent 60001 Size 00000259
mat# 1
shader: phong  facet: auto40
rgb 0.9,0.9,0.88
alpha 1  ka 0.1  ks 0.3  exp 0  ior 1
marble:
stonergba 0.900000,0.880000,0.850000,1.000000  veinrgba 0.300000,0.300000,0.350000,1.000000
sharpness 0.60  scale 1.00,1.00,1.00
turbulence 4  grain 3  seed 29
END  V1.00 Id 0 Parent 0 Size        0